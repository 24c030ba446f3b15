#include <windows.h>

#include <doctest.h>

#include "ControlIds.h"
#include "Expected.h"
#include "Files.h"
#include "Gui.h"
#include "Kit.h"
#include "Snapshot.h"

namespace {

LRESULT FirstVisibleLine(HWND box) {
  return SendWithin(box, EM_GETFIRSTVISIBLELINE, 0, 0);
}

}  // namespace

TEST_CASE("hardening: a program folder of 100000 files") {
  ToolPlaces tools;
  const std::string tool = FixedToolPaths()[0];
  tools.Place(tool);
  // A run cut short may have left the folder; clearing it through Wine would take minutes.
  REQUIRE(AskHost("wipe large"));
  KitFolder kit("large");
  kit.AddRow(1);
  kit.AddRow(15);
  HostArrangement filled("fill large 100000", "wipe large");
  REQUIRE(filled.Done());
  const FolderSnapshot before = SnapshotOf(kit.Path());
  REQUIRE(before.size() == 100005);
  const Found found = FoundIn(kit.Path());
  REQUIRE(found.dlls.size() == 502);
  REQUIRE(found.regs.size() == 502);

  App app(kit.Exe(), WindowsWithControl());
  HWND main = MainWindowWithoutPrompts(app);
  const std::string report = ReportOf(main);
  CHECK(report.rfind("------< BATCH FILES SUCCESSFULLY CREATED >", 0) == 0);
  CHECK(report.substr(report.size() - 20) == std::string(20, '-'));
  CHECK(report == SuccessReport(tool, kit.Path(), {1, 15}, found));

  // The user can move through the whole report.
  HWND box = GetDlgItem(main, IDC_TXTREPORT);
  CHECK(SendWithin(box, EM_GETLINECOUNT, 0, 0) > 1000);
  CHECK(FirstVisibleLine(box) == 0);
  SendWithin(box, EM_LINESCROLL, 0, 500);
  CHECK(FirstVisibleLine(box) == 500);
  SendWithin(box, EM_SCROLL, SB_PAGEDOWN, 0);
  CHECK(FirstVisibleLine(box) > 500);
  SendWithin(box, EM_SCROLL, SB_PAGEUP, 0);
  CHECK(FirstVisibleLine(box) == 500);

  SetClipboardText("held before");
  Click(main, IDC_CMDCOPY);
  std::string copied;
  for (int i = 0; i < 300 && (copied = ClipboardText()) == "held before"; ++i) Sleep(10);
  CHECK(copied == report);
  CloseExpectingExit0(app, main);

  std::set<std::string> written;
  for (int number : {1, 15}) {
    written.insert(CatalogueRow(number).registerBat);
    written.insert(CatalogueRow(number).unregisterBat);
  }
  CHECK(ChangesBesides(before, SnapshotOf(kit.Path()), written) == "");
}
