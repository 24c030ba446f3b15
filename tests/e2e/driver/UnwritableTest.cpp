#include <doctest.h>

#include <regex>
#include <sstream>

#include "Expected.h"
#include "Files.h"
#include "Gui.h"
#include "Kit.h"

namespace {

// The head of an error report: location, version, number and description lines.
void CheckErrorHead(const std::string& text) {
  std::istringstream lines(text);
  std::string location, version, number, description;
  std::getline(lines, location);
  std::getline(lines, version);
  std::getline(lines, number);
  std::getline(lines, description);
  CHECK(std::regex_match(location,
                         std::regex("MakeBatchFiles Error in frmBatch Line : [1-9][0-9]*\r")));
  CHECK(version == "Tarvic_Kit: v. 1.0.39\r");
  CHECK(std::regex_match(number, std::regex("Error Number = -?[0-9]+\r")));
  CHECK(description.rfind("Description: ", 0) == 0);
}

}  // namespace

TEST_CASE("unwritable program folder: one error report per present entry") {
  ToolPlaces tools;
  const std::string tool = FixedToolPaths()[0];
  tools.Place(tool);
  KitFolder kit("unwritable");
  kit.AddRow(1);
  kit.AddRow(15);
  HostArrangement locked("lock " + kit.Relative(), "unlock " + kit.Relative());
  REQUIRE_MESSAGE(locked.Done(), "the test script could not lock the folder");

  App app(kit.Exe(), WindowsWithControl());
  for (int entry = 1; entry <= 2; ++entry) {
    CAPTURE(entry);
    HWND box = MessageBoxTitled(app, kErrorTitle);
    const std::string text = MessageText(box);
    CheckErrorHead(text);
    const std::size_t tail = text.find("\r\n\r\nIf using Windows Vista");
    REQUIRE(tail != std::string::npos);
    CHECK(text.substr(tail + 2) == ErrorReportTail());
    // The same report waits on the clipboard for the user to paste.
    CHECK(ClipboardText() == text);
    Answer(box, IDOK);
  }
  HWND main = MainWindowWithoutPrompts(app);
  CHECK(ReportOf(main) == FailureReport(tool, kit.Path(), FoundIn(kit.Path())));
  CHECK(FilesStartingWith(kit.Path(), "Unregister_").empty());
  CloseExpectingExit0(app, main);
}
