#include "TestFiles.h"
#include "batch/Registration.h"
#include "host/win32/Utf16.h"
#include "host/win32/Win32Host.h"

using namespace tarvic::testing;
using tarvic::ProgramResult;
using tarvic::win32::Narrow;

namespace {

// The child program built beside these tests (child/ProgramChild.cpp).
std::string ChildPath() {
  wchar_t path[MAX_PATH] = {};
  std::wstring self(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
  return Narrow(self.substr(0, self.rfind(L'\\') + 1) + L"tarvic_windows_child.exe");
}

bool AppMessageSeen = false;

LRESULT CALLBACK NoteAppMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) AppMessageSeen = true;
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

TEST_CASE(
    "A program gets exactly the registration line, starts in its folder, and its code returns") {
  TempFolder temp;
  const std::wstring folder = temp / L"GIS 100% & R^D \u03A9";
  MakeFolder(folder);
  const std::string child = ChildPath(), programFolder = Narrow(folder) + "\\";
  tarvic::win32::Win32Host host;

  const ProgramResult result = host.RunProgram(
      child,
      tarvic::RegistrationCommandLine(tarvic::RegistrationKind::Register, child, programFolder,
                                      tarvic::ExtensionCatalogue()[0]),
      programFolder, 10000);
  CHECK(result.ending == ProgramResult::Ending::Exited);
  CHECK(result.code == 0);
  CHECK(ReadBytes(folder + L"\\child.out") == Narrow(folder) + "|/p:Desktop|" + programFolder +
                                                  "ParcelNum.dll|/f:" + programFolder +
                                                  "ParcelNum.reg|/s");

  const ProgramResult failed =
      host.RunProgram(child, "\"" + child + "\" 2147942414", programFolder, 10000);
  CHECK(failed.ending == ProgramResult::Ending::Exited);
  CHECK(failed.code == 0x8007000Eu);
  // Wine, like Windows, runs every process with an administrator's full token.
  CHECK(host.IsAdministrator());
}

TEST_CASE(
    "A file that is no program, or no file at all, is not started: the system's number and text") {
  TempFolder folder;
  WriteBytes(folder / L"fake.exe", "This is a text file.\r\n");
  tarvic::win32::Win32Host host;
  for (const auto& [name, error] : {std::pair{L"fake.exe", 193u}, {L"missing.exe", 2u}}) {
    const std::string program = Narrow(folder / name);
    const ProgramResult result =
        host.RunProgram(program, "\"" + program + "\"", Narrow(folder / L""), 10000);
    CAPTURE(program);
    CHECK(result.ending == ProgramResult::Ending::NotStarted);
    CHECK(result.code == error);
    CHECK_FALSE(result.errorText.empty());
    CHECK(result.errorText.find("%1") == std::string::npos);  // the file named instead
  }
}

TEST_CASE("A program still running at the time limit is left running; windows answered meanwhile") {
  TempFolder temp;
  const std::string child = ChildPath(), folder = Narrow(temp / L"");
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = NoteAppMessage;
  windowClass.lpszClassName = L"TarvicTestWaiter";
  RegisterClassW(&windowClass);
  const HWND window =
      CreateWindowW(L"TarvicTestWaiter", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  PostMessageW(window, WM_APP, 0, 0);
  PostQuitMessage(3);

  const DWORD start = GetTickCount();
  const ProgramResult result =
      tarvic::win32::Win32Host().RunProgram(child, "\"" + child + "\" 0 3000", folder, 300);
  CHECK(GetTickCount() - start < 2500);
  CHECK(result.ending == ProgramResult::Ending::TimedOut);
  CHECK(AppMessageSeen);
  MSG message;  // the quit request is still there for the program's own loop
  CHECK(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  CHECK(message.wParam == 3);

  bool ended = false;
  for (int i = 0; i < 100 && !ended; ++i, Sleep(100)) {
    ended = GetFileAttributesW((temp / L"child.end").c_str()) != INVALID_FILE_ATTRIBUTES;
  }
  CHECK(ended);
  DestroyWindow(window);
}
