#include "TestFiles.h"

#include <process.h>

#include "host/win32/MessagePump.h"
#include "host/win32/ProcessStart.h"
#include "host/win32/Utf16.h"
#include "host/win32/Win32Host.h"

using namespace tarvic::testing;
using tarvic::ProgramResult;
using tarvic::win32::Narrow;

TEST_CASE(
    "A file that is no program, or no file at all, is not started: the system's number and text") {
  TempFolder folder;
  WriteBytes(folder / L"fake.exe", "This is a text file.\r\n");
  for (const auto& [name, error] : {std::pair{L"fake.exe", 193u}, {L"missing.exe", 2u}}) {
    const std::string program = Narrow(folder / name);
    const ProgramResult result = tarvic::win32::Win32Host().RunProgram(
        program, "\"" + program + "\"", Narrow(folder / L""), 10000);
    CAPTURE(program);
    CHECK((result.ending == ProgramResult::Ending::NotStarted && result.code == error));
    CHECK_FALSE(result.errorText.empty());
    CHECK(result.errorText.find("%1") == std::string::npos);  // the file is named instead
  }
}

namespace {

const std::string self = [] {  // these tests' own program, run again as the children below
  wchar_t path[MAX_PATH] = {};
  return Narrow(std::wstring(path, GetModuleFileNameW(nullptr, path, MAX_PATH)));
}();

ProgramResult RunChild(const TempFolder& folder, const char* name, DWORD timeoutMs) {
  return tarvic::win32::Win32Host().RunProgram(
      self, "\"" + self + "\" --no-skip --test-case=\"child: " + name + "\"", Narrow(folder / L""),
      timeoutMs);
}

// Made by a child in the folder it was started in, and held by nobody any more.
bool MadeAndLetGo(const std::wstring& path) {
  const HANDLE file =
      CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  return file != INVALID_HANDLE_VALUE && CloseHandle(file);
}

}  // namespace

// The arguments and exit codes of a program the host starts: the e2e tests, with the stand-in.
// When the host returns, the call has ended with whatever it started, so the next cannot overlap.
TEST_CASE(
    "A call past its time limit is ended before the host returns; windows answered meanwhile") {
  TempFolder temp;
  const HWND edit = CreateWindowW(L"EDIT", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  PostMessageW(edit, WM_CHAR, L'x', 0);
  PostQuitMessage(3);
  CHECK(RunChild(temp, "holds child.busy", 3000).ending == ProgramResult::Ending::TimedOut);
  CHECK(GetWindowTextLengthW(edit) == 1);  // the key posted to it was dispatched
  MSG message;  // the quit request is still there for the program's own loop
  CHECK((PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) && message.wParam == 3));
  DestroyWindow(edit);
  const HANDLE closed = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  CloseHandle(closed);
  DWORD error = 0;  // a handle that cannot be waited for is told apart from a time-out
  CHECK(tarvic::win32::WaitDispatchingMessages(closed, 100, error) == WAIT_FAILED);
  CHECK(error == ERROR_INVALID_HANDLE);
  CHECK(MadeAndLetGo(temp / L"child.busy"));

  DeleteFileW((temp / L"child.busy").c_str());
  const ProgramResult result = RunChild(temp, "leaves a child holding child.busy", 20000);
  CHECK((result.ending == ProgramResult::Ending::Exited && result.code == 7));
  CHECK(MadeAndLetGo(temp / L"child.busy"));
}

// Started by the test above only.
TEST_CASE("child: holds child.busy" * doctest::skip()) {
  CreateFileW(L"child.busy", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  Sleep(20000);
}

TEST_CASE("child: leaves a child holding child.busy" * doctest::skip()) {
  _wspawnl(_P_NOWAIT, tarvic::win32::Widen(self).c_str(), L"child", L"--no-skip",
           L"\"--test-case=child: holds*\"", nullptr);
  for (int i = 0; i < 200 && GetFileAttributesW(L"child.busy") == INVALID_FILE_ATTRIBUTES; ++i)
    Sleep(50);
  ExitProcess(7);
}

TEST_CASE("Start-up keeps the error mode's flags and silences failing drive probes") {
  const UINT before = SetErrorMode(SEM_NOGPFAULTERRORBOX);
  tarvic::win32::SilenceFailingDriveProbes();
  const UINT after = SetErrorMode(before);
  CHECK(after == (SEM_NOGPFAULTERRORBOX | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX));
}
