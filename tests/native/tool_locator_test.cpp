#include <gtest/gtest.h>

#include "RunFixture.h"

namespace tarvic::test {
namespace {

const std::vector<std::string> kCandidates = {
    "C:\\Program Files (x86)\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
    "\\\\tsclient\\C\\Program Files (x86)\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
    "C:\\Program Files\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
    "\\\\tsclient\\C\\Program Files\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
    "D:\\Program Files\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
    "D:\\Program Files (x86)\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
};
const std::string kGaveUpReport =
    "Failed to find ESRI Assembly Registry tool 'ESRIRegAsm.exe'!\r\n\r\nOperation cancelled..."
    "\r\n\r\n------< Tarvic v. 1.0.39>" +
    Dashes(68);
const std::string kProblemTitle = "Problem Finding ESRIRegAsm.exe:";

std::string ProblemText(const std::string& path) {
  return "Unable to find ESRIRegAsm.exe at specified path:\r\n\r\n  --> " + path +
         "\r\n\r\nClick 'OK' to specify another file location, or 'Cancel' to exit...";
}

class LocatorTest : public RunTest {
 protected:
  LocatorTest() {
    host.files = MemoryFileSystem();
    host.files.AddFile("C:\\Windows\\system32\\RICHTX32.OCX");
    AddRow(host, 1);
  }

  std::vector<std::string> Probes() const {
    std::vector<std::string> probes;
    for (const auto& call : host.dirCalls) {
      if (call.ends_with("ESRIRegAsm.exe")) probes.push_back(call);
    }
    return probes;
  }

  std::string LocatedAt() const {
    const std::string& r = view.reportText;
    const auto start = r.find("located at:\r\n  --> ");
    if (start == std::string::npos) return "";
    const auto from = start + 19;
    return r.substr(from, r.find("\r\n", from) - from);
  }
};

TEST_F(LocatorTest, AllSixProbesRunAndTheFirstFoundIsKept) {
  host.files.AddFile(kCandidates[0]);
  Run();
  EXPECT_EQ(Probes(), std::vector<std::string>(6, kCandidates[0]));
  EXPECT_EQ(LocatedAt(), kCandidates[0]);

  host.files = MemoryFileSystem();
  AddRow(host, 1);
  host.files.AddFile(kCandidates[2]);
  host.files.AddFile(kCandidates[4]);
  host.dirCalls.clear();
  Run();
  EXPECT_EQ(Probes(), (std::vector<std::string>{kCandidates[0], kCandidates[1], kCandidates[2],
                                                kCandidates[2], kCandidates[2], kCandidates[2]}));
  EXPECT_EQ(LocatedAt(), kCandidates[2]);
  EXPECT_TRUE(host.dialogs.empty());
}

TEST_F(LocatorTest, SixthCandidateAloneIsFoundAfterSilentMisses) {
  host.files.AddFile(kCandidates[0], "", attr::kHidden);
  host.files.AddFile(kCandidates[2], "", attr::kSystem);
  host.files.FailListing("\\\\tsclient\\", 53, "File not found");
  host.files.FailListing("D:\\Program Files\\", 71, "Disk not ready");
  host.files.AddFile(kCandidates[5]);
  Run();
  // The share that did not answer is not asked a second time.
  EXPECT_EQ(Probes(), (std::vector<std::string>{kCandidates[0], kCandidates[1], kCandidates[2],
                                                kCandidates[4], kCandidates[5]}));
  EXPECT_EQ(LocatedAt(), kCandidates[5]);
  EXPECT_TRUE(host.messageBoxes.empty());
  EXPECT_TRUE(host.dialogs.empty());
  EXPECT_TRUE(host.files.Exists(kFolder + "Register_Parcel_Numbering.bat"));
}

TEST_F(LocatorTest, OnlyAnUnreachableShareIsSkippedOnTheSecondProbe) {
  // Access denied is an answer from the share, so the next probe of it still goes out.
  host.files.FailListing("\\\\tsclient\\C\\Program Files (x86)\\", 5, "Access is denied.");
  host.files.AddFile(kCandidates[3]);
  Run();
  EXPECT_EQ(Probes(), (std::vector<std::string>{kCandidates[0], kCandidates[1], kCandidates[2],
                                                kCandidates[3], kCandidates[3], kCandidates[3]}));
  EXPECT_EQ(LocatedAt(), kCandidates[3]);
  EXPECT_TRUE(host.messageBoxes.empty());
}

struct GiveUpCase {
  const char* name;
  std::deque<UserAction> actions;
};

class GiveUpTest : public LocatorTest, public ::testing::WithParamInterface<GiveUpCase> {};

TEST_P(GiveUpTest, EndsWithTheCancelledBoxAndTheShortReport) {
  host.environment["WinDir"] = "C:\\Nowhere";  // a missing control must not show either
  host.userActions = GetParam().actions;
  EXPECT_EQ(Run(), kGaveUpReport);
  ASSERT_EQ(host.dialogs.size(), 1u);
  EXPECT_EQ(host.dialogs[0].answerAfterLoad, "Cancel");
  EXPECT_FALSE(host.dialogs[0].scriptRanOut);
  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(host.messageBoxes[0].prompt, "File Location of 'ESRIRegAsm.exe' not specified...");
  EXPECT_EQ(host.messageBoxes[0].style, 64);
  EXPECT_EQ(host.messageBoxes[0].title, "Operation Cancelled:");
  EXPECT_TRUE(host.files.FilesIn(kFolder, "*.bat").empty());
}

INSTANTIATE_TEST_SUITE_P(Ways, GiveUpTest,
                         ::testing::Values(GiveUpCase{"CancelButton", {PressCancel()}},
                                           GiveUpCase{"CloseBox", {CloseBox()}},
                                           GiveUpCase{"TypedCancel", {Type("Cancel"), PressOk()}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LocatorTest, MissingTypedPathAsksAgainWithAFreshDialog) {
  host.userActions = {Type("E:\\nope.exe"), PressOk(), PressOk(), PressCancel()};
  EXPECT_EQ(Run(), kGaveUpReport);

  ASSERT_EQ(host.dialogs.size(), 2u);
  EXPECT_EQ(host.dialogs[1].afterLoad.path, "");
  EXPECT_FALSE(host.dialogs[1].afterLoad.okEnabled);
  EXPECT_EQ(host.dialogs[1].ignoredOkPresses, 1);
  ASSERT_EQ(host.messageBoxes.size(), 2u);
  EXPECT_EQ(host.messageBoxes[0].prompt, ProblemText("E:\\nope.exe"));
  EXPECT_EQ(host.messageBoxes[0].style, 1);
  EXPECT_EQ(host.messageBoxes[0].title, kProblemTitle);
  EXPECT_EQ(host.messageBoxes[1].title, "Operation Cancelled:");
}

TEST_F(LocatorTest, CancelInTheProblemBoxEndsWithoutFurtherBox) {
  host.userActions = {Type("E:\\nope.exe"), PressOk()};
  host.messageBoxAnswers = {msgbox::kAnswerCancel};
  EXPECT_EQ(Run(), kGaveUpReport);
  EXPECT_EQ(host.dialogs.size(), 1u);
  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(host.messageBoxes[0].title, kProblemTitle);
}

TEST_F(LocatorTest, AcceptedPathIsUsedExactlyAsTyped) {
  host.files.AddFile("E:\\Tools 100%\\ESRIRegAsm.exe");
  const std::string typed = "e:\\tools 100%\\esriREGasm.exe";
  host.userActions = {Type(typed), PressOk()};
  Run();
  EXPECT_EQ(LocatedAt(), typed);
  EXPECT_EQ(host.files.Contents(kFolder + "Unregister_Parcel_Numbering.bat"),
            "\"e:\\tools 100%%\\esriREGasm.exe\" /p:Desktop /u \"C:\\Ext\\ParcelNum.dll\"\r\n");
  EXPECT_TRUE(host.messageBoxes.empty());
}

TEST_F(LocatorTest, BrowsedPathIsAccepted) {
  host.files.AddFile("E:\\Tools\\ESRIRegAsm.exe");
  host.openAnswers = {"E:\\Tools\\ESRIRegAsm.exe"};
  host.userActions = {Browse(), PressOk()};
  Run();
  EXPECT_EQ(LocatedAt(), "E:\\Tools\\ESRIRegAsm.exe");
}

// A batch file cannot call a folder or a pattern, even one that matches the tool.
TEST_F(LocatorTest, FolderOrPatternGetsTheProblemBox) {
  host.files.AddFile("E:\\Tools\\ESRIRegAsm.exe");
  for (const std::string typed :
       {"E:\\Tools\\", "E:\\Tools\\ESRI*.exe", "E:\\Tools\\ESRIRegAsm.ex?"}) {
    SCOPED_TRACE(typed);
    host.messageBoxes.clear();
    host.userActions = {Type(typed), PressOk()};
    host.messageBoxAnswers = {msgbox::kAnswerCancel};
    EXPECT_EQ(Run(), kGaveUpReport);
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0].prompt, ProblemText(typed));
  }
}

TEST_F(LocatorTest, FailingCheckOfATypedPathEndsTheRun) {
  host.files.FailListing("Q:\\", 52, "Bad file name or number");
  host.userActions = {Type("Q:\\tool.exe"), PressOk()};
  EXPECT_EQ(Run(), "Text1");
  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(Location(host.messageBoxes[0]), "Form_Load Error in frmBatch Line : <n>");
  EXPECT_NE(host.messageBoxes[0].prompt.find("Error Number = 52\r\nDescription: Bad file name"),
            std::string::npos);
  EXPECT_TRUE(view.reportTextsSet.empty());
  EXPECT_TRUE(host.files.FilesIn(kFolder, "*.bat").empty());
}

}  // namespace
}  // namespace tarvic::test
