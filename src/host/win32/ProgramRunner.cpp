#include "host/win32/ProgramRunner.h"

#include "host/win32/MessagePump.h"
#include "host/win32/SystemError.h"
#include "host/win32/Utf16.h"

namespace tarvic::win32 {

ProgramResult RunProgramAndWait(const std::wstring& program, const std::wstring& commandLine,
                                const std::wstring& folder, DWORD timeoutMs) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  std::wstring line = commandLine;  // CreateProcessW may write into it
  if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                      nullptr, folder.c_str(), &startup, &process)) {
    const DWORD error = GetLastError();
    std::string text = SystemMessage(error);
    // Some texts name the file as "%1" (193: "%1 is not a valid Win32 application.").
    if (const auto at = text.find("%1"); at != std::string::npos) {
      text.replace(at, 2, Narrow(program));
    }
    return {ProgramResult::Ending::NotStarted, error, text};
  }
  CloseHandle(process.hThread);
  ProgramResult result;
  DWORD error = 0;
  const DWORD waited = WaitDispatchingMessages(process.hProcess, timeoutMs, error);
  DWORD code = 0;
  if (waited == WAIT_TIMEOUT) {
    result.ending = ProgramResult::Ending::TimedOut;
  } else if (waited == WAIT_FAILED) {
    result = {ProgramResult::Ending::WaitFailed, error, SystemMessage(error)};
  } else if (!GetExitCodeProcess(process.hProcess, &code)) {
    error = GetLastError();
    result = {ProgramResult::Ending::ExitCodeUnknown, error, SystemMessage(error)};
  } else {
    result.code = code;
  }
  CloseHandle(process.hProcess);
  return result;
}

bool HasAdministratorToken() {
  SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
  PSID administrators = nullptr;
  if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &administrators)) {
    return false;
  }
  BOOL member = FALSE;
  if (!CheckTokenMembership(nullptr, administrators, &member)) member = FALSE;
  FreeSid(administrators);
  return member != FALSE;
}

}  // namespace tarvic::win32
