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

// The batch files are the product: run by cmd from folders named with cmd's special characters.
// The OEM code page holds é and Ω, not the snowman: there, cmd gets the 8.3 form of each path.
// A quiet run's /s is the native tests' to pin.
TEST_CASE("batch files run by cmd hand over the exact arguments") {
  KitFolder tools("Tool 50% & (Co) caf\xC3\xA9", {});
  const std::string typed = tools.path + "ESRIRegAsm.exe";  // its case as typed: native tests
  WriteBytes(typed, FileText(kStandinExe));
  for (const auto& [name, shortForms] :
       {std::pair<std::string, bool>{"Kit (x86) & R^D 100% caf\xC3\xA9", false},
        {"Kit \xE2\x98\x83 \xCE\xA9 ^&", true}}) {
    CAPTURE(name);
    KitFolder kit(name);
    App app(kit.Exe(), "/log:run.log");
    TypeToolPath(app, typed);
    HWND main = Shown(app, TARVIC_BATCH_CLASS);
    // A log in a folder of such a name, too.
    CHECK(FileText(kit.path + "run.log") ==
          "\xEF\xBB\xBF" + ItemText(main, IDC_TXTREPORT) + "\r\n");
    CloseExpectingExit0(app, main);
    for (const char* kind : {"Register_*.bat", "Unregister_*.bat"}) {
      for (const auto& [bat, bytes] : FilesIn(kit.path, kind))
        CHECK(App("cmd.exe", "/c " + bat, kit.path).WaitExit(20000) == 0);
    }
    const std::string dll = kit.path + "ParcelNum.dll", reg = kit.path + "ParcelNum.reg";
    const std::string call = typed + "|/p:Desktop|", given = shortForms ? ShortForm(dll) : dll;
    CHECK(ToolCalls(tools.path) == call + given + "|/f:" + (shortForms ? ShortForm(reg) : reg) +
                                       "\n" + call + "/u|" + given + "\n");
  }
}
