#include <windows.h>

#include <doctest.h>

#include "ErrorReport.h"
#include "Expected.h"
#include "Files.h"
#include "Gui.h"
#include "Kit.h"
#include "Snapshot.h"
#include "Utf.h"

namespace {

std::string OldBatchFile(const std::string& name) {
  return "rem " + name + " kept by the user\r\n";
}

// The batch files a run may write, with the bytes they must then hold.
void CheckWritten(const std::string& tool, const KitFolder& kit, int number, bool unregisterToo) {
  const Row& row = CatalogueRow(number);
  CAPTURE(row.title);
  CHECK(FileText(kit.Path() + row.registerBat) ==
        BatchFileBytes(RegisterLine(tool, kit.Path(), row)));
  if (unregisterToo) {
    CHECK(FileText(kit.Path() + row.unregisterBat) ==
          BatchFileBytes(UnregisterLine(tool, kit.Path(), row)));
  }
}

// Another program holding a file open without sharing, as an editor or a virus scanner may.
class HeldOpen {
 public:
  explicit HeldOpen(const std::string& path)
      : file_(CreateFileW(Wide(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~HeldOpen() { Release(); }
  HeldOpen(const HeldOpen&) = delete;
  HeldOpen& operator=(const HeldOpen&) = delete;
  bool Held() const { return file_ != INVALID_HANDLE_VALUE; }
  void Release() {
    if (Held()) CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE file_;
};

}  // namespace

TEST_CASE("hardening: protected or busy batch files are left alone and the others written") {
  ToolPlaces tools;
  const std::string tool = FixedToolPaths()[0];
  tools.Place(tool);
  KitFolder kit("hardening-protected");
  for (int number : {1, 2, 3, 6, 15}) kit.AddRow(number);
  // Each entry but the last meets one obstacle, in catalogue order.
  const std::string readOnly = CatalogueRow(1).registerBat;
  const std::string hidden = CatalogueRow(2).unregisterBat;
  const std::string busy = CatalogueRow(3).registerBat;
  const std::string folder = CatalogueRow(6).unregisterBat;
  for (const auto& name : {readOnly, hidden, busy})
    WriteBytes(kit.Path() + name, OldBatchFile(name));
  SetAttributes(kit.Path() + readOnly, FILE_ATTRIBUTE_READONLY);
  SetAttributes(kit.Path() + hidden, FILE_ATTRIBUTE_HIDDEN);
  kit.AddFolder(folder);
  WriteBytes(kit.Path() + folder + "\\inside.txt", "must survive\r\n");
  const FolderSnapshot before = SnapshotOf(kit.Path());
  HeldOpen holder(kit.Path() + busy);
  REQUIRE(holder.Held());

  App app(kit.Exe(), WindowsWithControl());
  // Access denied for the protected names, a sharing violation for the busy file.
  for (const long expected : {5L, 5L, 32L, 5L}) {
    CAPTURE(expected);
    const SeenErrorReport report = NextErrorReport(app);
    CHECK(ReportedIn(report, "MakeBatchFiles"));
    CHECK(report.number == expected);
  }
  HWND main = MainWindowWithoutPrompts(app);
  holder.Release();
  CHECK(ReportOf(main) == SuccessReport(tool, kit.Path(), {15}, FoundIn(kit.Path())));
  CloseExpectingExit0(app, main);

  // The register files written before an unregister file failed stay, as do the last entry's.
  CheckWritten(tool, kit, 2, false);
  CheckWritten(tool, kit, 6, false);
  CheckWritten(tool, kit, 15, true);
  CHECK(ChangesBesides(before, SnapshotOf(kit.Path()),
                       {CatalogueRow(2).registerBat, CatalogueRow(6).registerBat,
                        CatalogueRow(15).registerBat, CatalogueRow(15).unregisterBat}) == "");
}

TEST_CASE("hardening: a folder that takes no new files loses nothing") {
  ToolPlaces tools;
  const std::string tool = FixedToolPaths()[0];
  tools.Place(tool);
  KitFolder kit("hardening-immutable");
  kit.AddRow(1);
  kit.AddRow(15);
  // Files already there can still be rewritten; only new names are refused.
  const std::string earlier = CatalogueRow(1).registerBat;
  WriteBytes(kit.Path() + earlier, OldBatchFile(earlier));
  const FolderSnapshot before = SnapshotOf(kit.Path());
  HostArrangement locked("lock " + kit.Relative(), "unlock " + kit.Relative());
  REQUIRE_MESSAGE(locked.Done(), "the test script could not lock the folder");

  App app(kit.Exe(), WindowsWithControl());
  for (int entry = 1; entry <= 2; ++entry) {
    CAPTURE(entry);
    const SeenErrorReport report = NextErrorReport(app);
    CHECK(ReportedIn(report, "MakeBatchFiles"));
    CHECK(report.number == 5);
  }
  HWND main = MainWindowWithoutPrompts(app);
  CHECK(ReportOf(main) == FailureReport(tool, kit.Path(), FoundIn(kit.Path())));
  CloseExpectingExit0(app, main);

  CheckWritten(tool, kit, 1, false);
  CHECK(ChangesBesides(before, SnapshotOf(kit.Path()), {earlier}) == "");
}
