#include "TestFiles.h"
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

// The arguments and exit codes of a program the host starts: the e2e tests, with the stand-in.
TEST_CASE("A program still running at the time limit is left running; windows answered meanwhile") {
  TempFolder temp;
  wchar_t selfPath[MAX_PATH] = {};  // these tests' own program, run again as the child below
  const std::string self =
      Narrow(std::wstring(selfPath, GetModuleFileNameW(nullptr, selfPath, MAX_PATH)));
  const HWND edit = CreateWindowW(L"EDIT", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  PostMessageW(edit, WM_CHAR, L'x', 0);
  PostQuitMessage(3);

  const DWORD start = GetTickCount();
  const ProgramResult result = tarvic::win32::Win32Host().RunProgram(
      self, "\"" + self + "\" --no-skip --test-case=child*", Narrow(temp / L""), 300);
  CHECK(GetTickCount() - start < 2500);
  CHECK(result.ending == ProgramResult::Ending::TimedOut);
  CHECK(GetWindowTextLengthW(edit) == 1);  // the key posted to it was dispatched
  MSG message;  // the quit request is still there for the program's own loop
  CHECK((PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) && message.wParam == 3));
  DestroyWindow(edit);
  const HANDLE closed = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  CloseHandle(closed);
  DWORD error = 0;  // a handle that cannot be waited for is told apart from a time-out
  CHECK(tarvic::win32::WaitDispatchingMessages(closed, 100, error) == WAIT_FAILED);
  CHECK(error == ERROR_INVALID_HANDLE);

  bool ended = false;
  for (int i = 0; i < 100 && !ended; ++i, Sleep(100)) {
    ended = GetFileAttributesW((temp / L"child.end").c_str()) != INVALID_FILE_ATTRIBUTES;
  }
  CHECK(ended);  // and in the folder it was started in
}

// Started by the test above only: lives past its time limit, then leaves a mark where it runs.
TEST_CASE("child: sleeps three seconds, then writes child.end" * doctest::skip()) {
  Sleep(3000);
  CloseHandle(CreateFileW(L"child.end", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
}

TEST_CASE("Start-up keeps the error mode's flags and silences failing drive probes") {
  const UINT before = SetErrorMode(SEM_NOGPFAULTERRORBOX);
  tarvic::win32::SilenceFailingDriveProbes();
  const UINT after = SetErrorMode(before);
  CHECK(after == (SEM_NOGPFAULTERRORBOX | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX));
}
