#include "host/win32/ProgramRunner.h"

#include "host/win32/MessagePump.h"
#include "host/win32/Scoped.h"
#include "host/win32/SystemError.h"
#include "host/win32/Utf16.h"

namespace tarvic::win32 {

namespace {

// What a call ended after its time limit exits with: Windows' own "timeout".
constexpr DWORD kEndedCode = ERROR_TIMEOUT;

ProgramResult NotStarted(const std::wstring& program, DWORD error) {
  std::string text = SystemMessage(error);
  // Some texts name the file as "%1" (193: "%1 is not a valid Win32 application.").
  if (const auto at = text.find("%1"); at != std::string::npos) {
    text.replace(at, 2, Narrow(program));
  }
  return {ProgramResult::Ending::NotStarted, error, text};
}

// Started suspended, so that it is in its job before it can start anything itself. It breaks
// away from a job this program runs in (a distribution system's) where that job allows it: on
// Windows 7 and older a process belongs to one job only, so only then can it join ours. A job
// that forbids breaking away refuses the flag with 5, and the tool then starts inside it.
bool StartSuspended(const std::wstring& program, const std::wstring& commandLine,
                    const std::wstring& folder, PROCESS_INFORMATION& started) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  for (const DWORD breakaway : {DWORD{CREATE_BREAKAWAY_FROM_JOB}, DWORD{0}}) {
    std::wstring line = commandLine;  // CreateProcessW may write into it
    if (CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE,
                       CREATE_NO_WINDOW | CREATE_SUSPENDED | breakaway, nullptr, folder.c_str(),
                       &startup, &started)) {
      return true;
    }
    if (GetLastError() != ERROR_ACCESS_DENIED) return false;
  }
  return false;
}

// A job that ends every process in it when its last handle closes: at the end of the call, and
// when this program ends in any way, killed included, since the system then closes its handles.
ScopedHandle KillOnCloseJob() {
  ScopedHandle job(CreateJobObjectW(nullptr, nullptr));
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (job && !SetInformationJobObject(job.Get(), JobObjectExtendedLimitInformation, &limits,
                                      sizeof(limits))) {
    return ScopedHandle();
  }
  return job;
}

DWORD ActiveProcesses(HANDLE job) {
  JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting = {};
  if (!QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &accounting,
                                 sizeof(accounting), nullptr)) {
    return 0;
  }
  return accounting.ActiveProcesses;
}

// Ends every process of the call and returns once they have exited: two tools must never write
// the registry at once, so the next call starts only after that.
void EndCall(HANDLE job, HANDLE process) {
  DWORD unused = 0;
  if (job != nullptr && TerminateJobObject(job, kEndedCode)) {
    WaitDispatchingMessages(process, INFINITE, unused);
    while (ActiveProcesses(job) != 0) Sleep(10);  // what the tool started ends within moments
    return;
  }
  TerminateProcess(process, kEndedCode);  // fails harmlessly once the tool has exited
  WaitDispatchingMessages(process, INFINITE, unused);
}

}  // namespace

ProgramResult RunProgramAndWait(const std::wstring& program, const std::wstring& commandLine,
                                const std::wstring& folder, DWORD timeoutMs) {
  PROCESS_INFORMATION started = {};
  if (!StartSuspended(program, commandLine, folder, started)) {
    return NotStarted(program, GetLastError());
  }
  const ScopedHandle process(started.hProcess), thread(started.hThread);
  // Where no job can take the tool (Windows 7 and older, inside a job that forbids breaking
  // away), it is watched through its process handle alone: it is still ended after its limit,
  // but what it starts itself, and the tool itself when this program is killed, may outlive it.
  ScopedHandle job = KillOnCloseJob();
  if (job && !AssignProcessToJobObject(job.Get(), process.Get())) job = ScopedHandle();
  if (ResumeThread(thread.Get()) == static_cast<DWORD>(-1)) {
    const DWORD error = GetLastError();
    EndCall(job.Get(), process.Get());
    return NotStarted(program, error);
  }

  ProgramResult result;
  DWORD error = 0;
  const DWORD waited = WaitDispatchingMessages(process.Get(), timeoutMs, error);
  DWORD code = 0;
  if (waited == WAIT_TIMEOUT) {
    result.ending = ProgramResult::Ending::TimedOut;
  } else if (waited == WAIT_FAILED) {
    result = {ProgramResult::Ending::WaitFailed, error, SystemMessage(error)};
  } else if (!GetExitCodeProcess(process.Get(), &code)) {
    error = GetLastError();
    result = {ProgramResult::Ending::ExitCodeUnknown, error, SystemMessage(error)};
  } else {
    result.code = code;
  }
  // Whatever the tool started and left running ends with its call, too.
  if (waited != WAIT_OBJECT_0 || job) EndCall(job.Get(), process.Get());
  return result;
}

bool HasAdministratorToken() {
  SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
  ScopedSid administrators;
  if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0,
                                administrators.Receive())) {
    return false;
  }
  BOOL member = FALSE;
  if (!CheckTokenMembership(nullptr, administrators.Get(), &member)) member = FALSE;
  return member != FALSE;
}

}  // namespace tarvic::win32
