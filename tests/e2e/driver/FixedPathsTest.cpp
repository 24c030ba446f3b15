#include <doctest.h>

#include "Expected.h"
#include "Files.h"
#include "Kit.h"

namespace {

// Runs the program with the tool found at `tool` and checks that it was used.
void ExpectToolUsed(const std::string& relative, const std::string& tool) {
  KitFolder kit(relative);
  kit.AddRow(1);
  App app(kit.Exe(), WindowsWithControl());
  HWND main = MainWindowWithoutPrompts(app);
  CHECK(ReportOf(main) == SuccessReport(tool, kit.Path(), {1}, FoundIn(kit.Path())));
  const Row& row = CatalogueRow(1);
  CHECK(FileText(kit.Path() + row.registerBat) ==
        BatchFileBytes(RegisterLine(tool, kit.Path(), row)));
  CloseExpectingExit0(app, main);
}

}  // namespace

TEST_CASE("the tool only at the sixth fixed path") {
  HostArrangement drive("map-d d-drive", "unmap-d");
  REQUIRE_MESSAGE(drive.Done(), "the test script did not map D:");
  ToolPlaces tools;
  // Hidden or system copies at earlier places do not count.
  tools.Place(FixedToolPaths()[0], FILE_ATTRIBUTE_HIDDEN);
  tools.Place(FixedToolPaths()[2], FILE_ATTRIBUTE_SYSTEM);
  tools.Place(FixedToolPaths()[5]);
  REQUIRE(Exists(FixedToolPaths()[5]));
  ExpectToolUsed("sixth-path", FixedToolPaths()[5]);
}

TEST_CASE("the tool only at the second fixed path") {
  HostArrangement share("map-tsclient tsclient-c", "unmap-tsclient");
  REQUIRE_MESSAGE(share.Done(), "the test script did not set up \\\\tsclient\\C");
  ToolPlaces tools;
  tools.Place(FixedToolPaths()[1]);
  REQUIRE(Exists(FixedToolPaths()[1]));
  ExpectToolUsed("second-path", FixedToolPaths()[1]);
}
