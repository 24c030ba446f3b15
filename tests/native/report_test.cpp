#include <gtest/gtest.h>

#include "RunFixture.h"

namespace tarvic::test {
namespace {

const std::string kNl = "\r\n";
const std::string kSuccessBanner = "------< BATCH FILES SUCCESSFULLY CREATED >" + Dashes(32);
const std::string kFailureBanner = "------< BATCH FILES FAILURE >" + Dashes(32);
const std::string kNotesBanner = "------< NOTES >" + Dashes(68);
const std::string kVersionBanner = "------< Tarvic v. 1.0.39>" + Dashes(68);
const std::string kInstructions =
    "If using Windows XP, you should be able to register and unregister the tools simply by "
    "double-clicking on the batch files listed above.  If using Windows Vista or Windows 7, you "
    "must right-click on the batch file and select 'Run as Administrator'.";
const std::string kNotFound =
    "Failed to find ESRI Assembly Registry tool 'ESRIRegAsm.exe'!\r\n\r\nOperation cancelled..." +
    kNl + kNl + kVersionBanner;

void MakeControlMissing(MemoryHost& host) {
  host.environment["WinDir"] = "C:\\Win";
}

TEST_F(RunTest, SuccessReportIsTwentyOneLinesByteForByte) {
  AddRow(host, 1);
  const std::string expected =
      kSuccessBanner + kNl + kNl +
      "The following batch files have been created to Register and Unregister Parcel Numbering "
      "Tools in ArcGIS 10:" +
      kNl + "  --> C:\\Ext\\Register_Parcel_Numbering.bat" + kNl +
      "  --> C:\\Ext\\Unregister_Parcel_Numbering.bat" + kNl + kNl + kInstructions + kNl + kNl +
      kNotesBanner + kNl + kNl + "ESRIRegAsm.exe located at:" + kNl + "  --> " + kFirstCandidate +
      kNl + kNl + "Found 1 *.reg files in C:\\Ext\\..." + kNl + "  --> C:\\Ext\\ParcelNum.reg" +
      kNl + kNl + "Found 1 *.dll files in C:\\Ext\\..." + kNl + "  --> C:\\Ext\\ParcelNum.dll" +
      kNl + kNl + kNl + kVersionBanner;
  EXPECT_EQ(Run(), expected);
  EXPECT_EQ(Lines(view.reportText).size(), 21u);
  EXPECT_EQ(kNotesBanner.size(), 83u);
  EXPECT_TRUE(host.messageBoxes.empty());
  EXPECT_TRUE(host.dialogs.empty());
}

TEST_F(RunTest, GivingUpLeavesOnlyTheFiveLineReport) {
  host.files = MemoryFileSystem();
  host.files.AddFile(kFolder + "Tarvic_Kit.exe");
  AddRow(host, 1);
  MakeControlMissing(host);
  host.userActions = {PressCancel()};

  EXPECT_EQ(Run(), kNotFound);
  EXPECT_TRUE(host.files.FilesIn(kFolder, "*.bat").empty());
}

TEST_F(RunTest, FailureLayoutWrapsFoundFilesAndHidesTheAlert) {
  host.files.AddFile(kFolder + "Scheduler.dll");  // row 3 needs CrewRoster.reg, not Scheduler.reg
  host.files.AddFile(kFolder + "Scheduler.reg");
  MakeControlMissing(host);
  const std::string expected =
      kFailureBanner + kNl + kNl + "ESRIRegAsm.exe located at:" + kNl + "  --> " + kFirstCandidate +
      kNl + kNl + "Found 1 *.reg files in C:\\Ext\\..." + kNl + "  --> C:\\Ext\\Scheduler.reg" +
      kNl + kNl + "Found 1 *.dll files in C:\\Ext\\..." + kNl + "  --> C:\\Ext\\Scheduler.dll" +
      kNl + kNl + "Unable to find any Quorvane extensions to create batch files for!" + kNl + kNl +
      kNl + kVersionBanner;
  EXPECT_EQ(Run(), expected);
  EXPECT_TRUE(host.files.FilesIn(kFolder, "*.bat").empty());
}

TEST_F(RunTest, AlertSitsBetweenInstructionsAndNotes) {
  AddRow(host, 1);
  host.files.AddFile("C:\\Windows\\syswow64\\msvcrt.dll");  // a 64-bit machine without the control
  const auto lines = Lines(Run());
  ASSERT_EQ(lines.size(), 28u);
  const std::vector<std::string> middle(lines.begin() + 6, lines.begin() + 16);
  EXPECT_EQ(middle, (std::vector<std::string>{
                        kInstructions, "", "------< ALERT >" + Dashes(68), "",
                        "This tool did not find the Windows file RICHTX32.OCX in the expected "
                        "folder:",
                        "  --> C:\\Windows\\syswow64\\richtx32.ocx", "",
                        "Windows 7 does not automatically include this file, so you may need to "
                        "install and register it manually to prevent the Quorvane ArcGIS tools "
                        "from crashing.  Please refer to the manual for instructions on how to "
                        "manually install and register the RICHTX32.OCX file.",
                        "", kNotesBanner}));
}

struct AlertCase {
  const char* name;
  const char* winDir;  // nullptr: unset
  std::vector<std::pair<std::string, unsigned>> systemFiles;
  const char* pathLine;  // nullptr: no alert
};

class AlertPathTest : public RunTest, public ::testing::WithParamInterface<AlertCase> {};

TEST_P(AlertPathTest, PathLineNamesTheFolderSearched) {
  host.files = MemoryFileSystem();
  host.files.AddFile(kFirstCandidate);
  AddRow(host, 1);
  host.environment.clear();
  if (GetParam().winDir) host.environment["WinDir"] = GetParam().winDir;
  for (const auto& [path, attributes] : GetParam().systemFiles) {
    host.files.AddFile(path, "", attributes);
  }
  const std::string report = Run();
  if (GetParam().pathLine) {
    EXPECT_NE(report.find(kNl + GetParam().pathLine + kNl), std::string::npos) << report;
  } else {
    EXPECT_EQ(report.find("ALERT"), std::string::npos);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, AlertPathTest,
    ::testing::Values(
        AlertCase{"SyswowWithFiles",
                  "C:\\Windows",
                  {{"C:\\Windows\\syswow64\\a.dll", attr::kNormal}},
                  "  --> C:\\Windows\\syswow64\\richtx32.ocx"},
        // Only syswow64 is searched once it holds files, even with the control in system32.
        AlertCase{"OnlySyswowIsSearched",
                  "C:\\Windows\\",
                  {{"C:\\Windows\\syswow64\\a.dll", attr::kNormal},
                   {"C:\\Windows\\system32\\RICHTX32.OCX", attr::kNormal}},
                  "  --> C:\\Windows\\syswow64\\richtx32.ocx"},
        AlertCase{"System32WithoutSyswow",
                  "C:\\Windows\\",
                  {},
                  "  --> C:\\Windows\\system32\\richtx32.ocx"},
        // A syswow64 without normal files counts as absent.
        AlertCase{"SyswowWithoutNormalFiles",
                  "C:\\Windows",
                  {{"C:\\Windows\\syswow64\\h.dll", attr::kHidden},
                   {"C:\\Windows\\syswow64\\sub", attr::kFolder}},
                  "  --> C:\\Windows\\system32\\richtx32.ocx"},
        AlertCase{"WinDirUnset", nullptr, {}, "  --> \\system32\\richtx32.ocx"},
        AlertCase{"ReadOnlyControlCounts",
                  "C:\\Windows",
                  {{"C:\\Windows\\SysWOW64\\richtx32.ocx", attr::kReadOnly}},
                  nullptr},
        AlertCase{"HiddenControlDoesNotCount",
                  "C:\\Windows",
                  {{"C:\\Windows\\system32\\richtx32.ocx", attr::kHidden}},
                  "  --> C:\\Windows\\system32\\richtx32.ocx"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RunTest, VersionBannerIsTheHostsVersionAndEndsTheText) {
  host.version = {2, 10, 0};
  const std::string report = Run();
  const std::string banner = "------< Tarvic v. 2.10.0>" + Dashes(68);
  ASSERT_GE(report.size(), banner.size() + 4);
  EXPECT_EQ(report.substr(report.size() - banner.size() - 4), kNl + kNl + banner);
}

}  // namespace
}  // namespace tarvic::test
