#include <doctest.h>

#include "ControlIds.h"
#include "Expected.h"
#include "Files.h"
#include "Gui.h"
#include "Kit.h"

namespace {

void CheckBatchFiles(const std::string& tool, const std::string& folder, int number) {
  const Row& row = CatalogueRow(number);
  CAPTURE(row.title);
  CHECK(FileText(folder + row.registerBat) == BatchFileBytes(RegisterLine(tool, folder, row)));
  CHECK(FileText(folder + row.unregisterBat) == BatchFileBytes(UnregisterLine(tool, folder, row)));
}

}  // namespace

TEST_CASE("success with two rows and the tool at the first fixed path") {
  ToolPlaces tools;
  const std::string tool = FixedToolPaths()[0];
  tools.Place(tool);
  KitFolder kit("success");
  kit.AddRow(15);
  // Letter case on disk does not matter; the batch line still names the catalogue's spelling.
  kit.AddFile("PARCELNUM.DLL");
  kit.AddFile("ParcelNum.reg");
  // Row 3 needs CrewRoster.reg: a script named after its library does not make it present.
  kit.AddFile("Scheduler.dll");
  kit.AddFile("Scheduler.reg");
  kit.AddFile("readme.txt");
  // A batch file of an absent row, left by an earlier run, is not touched.
  const std::string stale = kit.Path() + CatalogueRow(3).registerBat;
  WriteBytes(stale, "left by hand\r\n");

  App app(kit.Exe(), WindowsWithControl());
  HWND main = MainWindowWithoutPrompts(app);
  const std::string report = ReportOf(main);
  CHECK(report == SuccessReport(tool, kit.Path(), {1, 15}, FoundIn(kit.Path())));
  CheckBatchFiles(tool, kit.Path(), 1);
  CheckBatchFiles(tool, kit.Path(), 15);
  CHECK(FileText(stale) == "left by hand\r\n");
  CHECK(FilesStartingWith(kit.Path(), "Register_").size() == 3);
  CHECK(FilesStartingWith(kit.Path(), "Unregister_").size() == 2);

  // Copy replaces whatever the clipboard held with exactly the report box's text.
  SetClipboardText("held before");
  Click(main, IDC_CMDCOPY);
  std::string copied;
  for (int i = 0; i < 200 && (copied = ClipboardText()) == "held before"; ++i) Sleep(10);
  CHECK(copied == report);

  CloseExpectingExit0(app, main);
}
