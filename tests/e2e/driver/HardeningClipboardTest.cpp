#include <windows.h>

#include <doctest.h>

#include <chrono>
#include <memory>

#include "ControlIds.h"
#include "ErrorReport.h"
#include "Expected.h"
#include "Files.h"
#include "Gui.h"
#include "Kit.h"
#include "Snapshot.h"

namespace {

// Another program that keeps the clipboard open, far longer than the program waits for it.
class HeldClipboard {
 public:
  HeldClipboard() {
    for (int i = 0; i < 200 && !held_; ++i) {
      held_ = OpenClipboard(nullptr) != 0;
      if (!held_) Sleep(10);
    }
  }
  ~HeldClipboard() {
    if (held_) CloseClipboard();
  }
  HeldClipboard(const HeldClipboard&) = delete;
  HeldClipboard& operator=(const HeldClipboard&) = delete;
  bool Held() const { return held_; }

 private:
  bool held_ = false;
};

// The report box still comes, soon, although the report cannot reach the clipboard.
SeenErrorReport ReportWhileHeld(const App& app) {
  const auto start = std::chrono::steady_clock::now();
  SeenErrorReport report = NextErrorReport(app);
  CHECK(std::chrono::steady_clock::now() - start < std::chrono::seconds(5));
  return report;
}

}  // namespace

TEST_CASE("hardening: a clipboard held by another program") {
  ToolPlaces tools;
  const std::string tool = FixedToolPaths()[0];
  tools.Place(tool);
  KitFolder kit("hardening-clipboard");
  kit.AddRow(1);
  // A read-only batch file makes the run report an error.
  const std::string readOnly = kit.Path() + CatalogueRow(1).registerBat;
  WriteBytes(readOnly, "rem kept\r\n");
  SetAttributes(readOnly, FILE_ATTRIBUTE_READONLY);
  const FolderSnapshot before = SnapshotOf(kit.Path());
  SetClipboardText("held before");

  auto held = std::make_unique<HeldClipboard>();
  REQUIRE(held->Held());
  App app(kit.Exe(), WindowsWithControl());
  const SeenErrorReport runReport = ReportWhileHeld(app);
  CHECK(ReportedIn(runReport, "MakeBatchFiles"));
  CHECK(runReport.number == 5);
  HWND main = MainWindowWithoutPrompts(app);
  held.reset();
  // Nothing half done: what the clipboard held is still there.
  CHECK(ClipboardText() == "held before");
  const std::string report = ReportOf(main);
  CHECK(report == FailureReport(tool, kit.Path(), FoundIn(kit.Path())));

  held = std::make_unique<HeldClipboard>();
  REQUIRE(held->Held());
  Click(main, IDC_CMDCOPY);
  const SeenErrorReport copyReport = ReportWhileHeld(app);
  CHECK(ReportedIn(copyReport, "cmdCopy_Click"));
  held.reset();
  CHECK(ClipboardText() == "held before");

  // Once the clipboard is free again, Copy works.
  Click(main, IDC_CMDCOPY);
  std::string copied;
  for (int i = 0; i < 300 && (copied = ClipboardText()) == "held before"; ++i) Sleep(10);
  CHECK(copied == report);
  CloseExpectingExit0(app, main);
  CHECK(ChangesBesides(before, SnapshotOf(kit.Path()), {}) == "");
}
