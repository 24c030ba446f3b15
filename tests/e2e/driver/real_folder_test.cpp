#include <doctest.h>

#include "Kit.h"

// A run that fails before its report, the rich-text check's listing refused (123, a bad name),
// leaves the report box with its design text.
TEST_CASE("an unwritable program folder: one error report per entry and nothing changed") {
  KitFolder kit("unwritable", {"ParcelNum", "FenceAudit"});
  const auto before = FilesIn(kit.path, "*");
  REQUIRE_MESSAGE(AskHost("lock unwritable"), "the test script could not lock the folder");
  for (const bool early : {false, true}) {
    SetEnvironmentVariableW(L"WinDir", early ? L"C:\\x|y" : L"C:\\windows");
    App app(kit.Exe());
    SetEnvironmentVariableW(L"WinDir", L"C:\\windows");
    TypeToolPath(app, kStandinExe);
    for (int box = early ? 1 : 2; box > 0; --box) Press(Shown(app, kDialogClass), IDOK);
    HWND main = Shown(app, TARVIC_BATCH_CLASS);
    CHECK((ItemText(main, IDC_TXTREPORT) == "Text1") == early);
    CHECK(FilesIn(kit.path, "*") == before);
    CloseExpectingExit0(app, main);
  }
}

// The batch files are the product: run by cmd from a folder named with cmd's special characters
// and a letter of the OEM code page. Paths outside it (by 8.3 form) are the Win32 tests' concern,
// a quiet run's /s the native tests'.
TEST_CASE("batch files run by cmd hand over the exact arguments") {
  KitFolder tools("Tool 50% & (Co) caf\xC3\xA9", {});
  const std::string typed = tools.path + "ESRIRegAsm.exe";  // its case as typed: native tests
  WriteBytes(typed, FileText(kStandinExe));
  KitFolder kit("Kit (x86) & R^D 100% caf\xC3\xA9");
  App app(kit.Exe(), "/log:run.log");
  TypeToolPath(app, typed);
  HWND main = Shown(app, TARVIC_BATCH_CLASS);
  // A log in a folder of such a name, too.
  CHECK(FileText(kit.path + "run.log") == "\xEF\xBB\xBF" + ItemText(main, IDC_TXTREPORT) + "\r\n");
  CloseExpectingExit0(app, main);
  for (const char* kind : {"Register_*.bat", "Unregister_*.bat"}) {
    for (const auto& [bat, bytes] : FilesIn(kit.path, kind))
      CHECK(App("cmd.exe", "/c " + bat, kit.path).WaitExit(20000) == 0);
  }
  const std::string call = typed + "|/p:Desktop|", dll = kit.path + "ParcelNum.dll";
  CHECK(ToolCalls(tools.path) ==
        call + dll + "|/f:" + kit.path + "ParcelNum.reg\n" + call + "/u|" + dll + "\n");
}
