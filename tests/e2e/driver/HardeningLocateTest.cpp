#include <windows.h>

#include <doctest.h>

#include <chrono>
#include <memory>
#include <thread>

#include "ControlIds.h"
#include "ErrorReport.h"
#include "Expected.h"
#include "Files.h"
#include "Gui.h"
#include "Kit.h"
#include "Snapshot.h"

namespace {

enum class Outcome { ProblemBox, ErrorReport };

// Types the path into a fresh locate dialog, presses OK and deals with the box that follows.
Outcome Submit(std::unique_ptr<App>& app, const std::string& path) {
  TypeToolPath(*app, path);
  const auto limit = std::chrono::steady_clock::now() + std::chrono::milliseconds(kAppearMs);
  while (std::chrono::steady_clock::now() < limit) {
    if (HWND box = FindShown(app->Pid(), kMessageBoxClass, kProblemFindingTitle)) {
      CHECK(MessageText(box) == ProblemFindingText(path));
      Answer(box, IDOK);
      return Outcome::ProblemBox;
    }
    if (HWND box = FindShown(app->Pid(), kMessageBoxClass, kErrorTitle)) {
      CHECK(ReportedIn(TakeErrorReport(box), "Form_Load"));
      // The run ended where it failed: the report box keeps its design text.
      HWND main = MainWindowWithoutPrompts(*app);
      CHECK(ReportOf(main) == "Text1");
      CloseExpectingExit0(*app, main);
      app.reset();
      return Outcome::ErrorReport;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  FAIL("neither the problem box nor an error report showed");
  return Outcome::ProblemBox;
}

// Browsing and cancelling the file dialog leaves the path box empty and OK unavailable.
void BrowseAndCancel(const App& app) {
  HWND dialog = LocateDialog(app);
  Type(GetDlgItem(dialog, IDC_TXTLOOKUPPATH), "C:\\typed");
  Click(dialog, IDC_CMDSELLOOKUP);
  HWND open = WaitShown(app.Pid(), kMessageBoxClass, "Select ESRIRegAsm.exe:");
  REQUIRE_MESSAGE(open, "the file-open dialog did not show");
  PostMessageW(open, WM_COMMAND, IDCANCEL, 0);
  REQUIRE(WaitGone(open));
  CHECK(ItemText(dialog, IDC_TXTLOOKUPPATH).empty());
  CHECK_FALSE(ItemEnabled(dialog, IDC_CMDOK));
}

}  // namespace

TEST_CASE("hardening: typed tool paths that cannot be listed end in a box and a clean close") {
  ToolPlaces noTools;
  const std::string toolFolder = WorkDir() + "\\hardening-typed-tool";
  MakeDirs(toolFolder);
  REQUIRE(CopyFileTo(StandinExe(), toolFolder + "\\ESRIRegAsm.exe"));
  KitFolder kit("hardening-typed");
  kit.AddRow(1);
  const FolderSnapshot before = SnapshotOf(kit.Path());

  struct Case {
    std::string path;
    bool mayFailInListing;  // else it must count as missing
  };
  // The path with characters not allowed in names comes last: its failure ends the run.
  const std::vector<Case> cases = {
      {"Q:\\x\\ESRIRegAsm.exe", true},    {"\\\\nosuchserver\\share\\ESRIRegAsm.exe", true},
      {toolFolder + "\\", false},         {toolFolder + "\\ESRIRegAsm.*", false},
      {"C:\\a<b>\\ESRIRegAsm.exe", true},
  };
  std::unique_ptr<App> app;
  for (const Case& c : cases) {
    CAPTURE(c.path);
    if (!app) app = std::make_unique<App>(kit.Exe(), WindowsWithControl());
    const Outcome outcome = Submit(app, c.path);
    if (!c.mayFailInListing) CHECK(outcome == Outcome::ProblemBox);
    const std::string seen = outcome == Outcome::ProblemBox ? "problem box" : "error report";
    MESSAGE(c.path << ": " << seen);
  }
  if (app) {
    CHECK_MESSAGE(false, "the name with < and > did not end the run with an error report");
    CloseExpectingExit0(*app, MainWindow(*app));
  }

  App last(kit.Exe(), WindowsWithControl());
  BrowseAndCancel(last);
  Click(LocateDialog(last), IDC_CMDCANCEL);
  Answer(MessageBoxTitled(last, kCancelledTitle), IDOK);
  HWND main = MainWindowWithoutPrompts(last);
  CHECK(ReportOf(main) == NotLocatedReport());
  CloseExpectingExit0(last, main);
  CHECK(ChangesBesides(before, SnapshotOf(kit.Path()), {}) == "");
}
