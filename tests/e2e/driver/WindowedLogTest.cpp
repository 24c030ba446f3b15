#include <doctest.h>

#include <winternl.h>

#include "Kit.h"

namespace {

// Another process's current folder, from the process parameters where the system keeps it:
// after ConsoleHandle, ConsoleFlags and the three standard handles comes CurrentDirectory.
std::string CurrentFolderOf(HANDLE process) {
  using Query = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
  const auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic{};
  PEB peb{};
  RTL_USER_PROCESS_PARAMETERS parameters{};
  if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0 ||
      !ReadProcessMemory(process, basic.PebBaseAddress, &peb, sizeof peb, nullptr) ||
      !ReadProcessMemory(process, peb.ProcessParameters, &parameters, sizeof parameters, nullptr)) {
    return "<unreadable>";
  }
  const auto& folder = *reinterpret_cast<const UNICODE_STRING*>(&parameters.Reserved2[5]);
  std::wstring text(folder.Length / sizeof(wchar_t), L'\0');
  ReadProcessMemory(process, folder.Buffer, text.data(), folder.Length, nullptr);
  return Narrow(text);
}

}  // namespace

// A windowed run started with a relative log, from another folder: Browse moves the process's
// current folder, yet the log lands where the run started; a Copy that fails once the window
// shows is appended to it and decides the exit code.
TEST_CASE("windowed log: a relative log after Browse and a failed Copy after the window shows") {
  KitFolder here("log start", {});
  KitFolder kit("windowed-log");
  WriteBytes(kit.path + "ESRIRegAsm.exe", FileText(kStandinExe));
  App app(kit.Exe(), "/log:run.log", here.path);

  HWND dialog = Shown(app, TARVIC_FINDFILE_CLASS);
  Click(dialog, IDC_CMDSELLOOKUP);
  HWND open = Shown(app, kDialogClass);
  SendWithin(GetDlgItem(open, 0x47C), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"ESRIRegAsm.exe"));
  Press(open, IDOK);
  // Else the test below could not tell a log fixed at start from one resolved at the end.
  REQUIRE(CurrentFolderOf(app.info.hProcess) + "\\" != here.path);
  REQUIRE(CurrentFolderOf(app.info.hProcess) != "<unreadable>");
  Press(dialog, IDC_CMDOK);

  HWND main = Shown(app, TARVIC_BATCH_CLASS);
  const std::string report = ItemText(main, IDC_TXTREPORT);
  CHECK(FileText(here.path + "run.log") == "\xEF\xBB\xBF" + report + "\r\n");
  REQUIRE(OpenTheClipboard());  // held, so that the program's Copy fails
  Click(main, IDC_CMDCOPY);
  HWND box = Shown(app, kDialogClass);
  CloseClipboard();
  Press(box, IDOK);
  const std::string log = FileText(here.path + "run.log");
  CHECK(log.starts_with("\xEF\xBB\xBF" + report + "\r\n\r\ncmdCopy_Click Error in frmBatch "));
  CHECK(log.ends_with("\r\nUse [Control]-V to paste this error information into your email.\r\n"));
  CHECK(FileText(kit.path + "run.log").starts_with("<no file"));
  Click(main, IDC_CMDCLOSE);
  CHECK(app.WaitExit() == 3);
}
