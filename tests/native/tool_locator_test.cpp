#include <gtest/gtest.h>

#include "RunFixture.h"
#include "batch/ToolLocator.h"
#include "batch/TypedToolPath.h"

namespace tarvic::test {
namespace {

const std::string kGaveUpReport = "Failed to find ESRI Assembly Registry tool 'ESRIRegAsm.exe'!" +
                                  kNl + kNl + "Operation cancelled..." + kNl + kNl + kVersionBanner;
const std::string kCancelled = "File Location of 'ESRIRegAsm.exe' not specified...";

std::string ProblemText(const std::string& path) {
  return "Unable to find ESRIRegAsm.exe at specified path:\r\n\r\n  --> " + path +
         "\r\n\r\nClick 'OK' to specify another file location, or 'Cancel' to exit...";
}

// Locates with frmBatch's silent probe and a locate dialog that answers as scripted.
ToolLocation Locate(MemoryHost& host, std::deque<std::string> answers = {}) {
  host.locateAnswers = std::move(answers);
  frmBatch form{host};
  ErrorTrap trap(host, "Form_Load ", "Error in frmBatch");
  return LocateTool(
      host, [&](const std::string& path) { return form.ReturnDirValue(path); }, trap);
}

const std::vector<std::string> kCandidates = {
    kFirstCandidate,
    "\\\\tsclient\\C\\Program Files (x86)\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
    "C:\\Program Files\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
    "\\\\tsclient\\C\\Program Files\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
    "D:\\Program Files\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
    "D:\\Program Files (x86)\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
};

TEST(Probes, AllSixRunAndTheFirstFoundIsKept) {
  const auto& c = kCandidates;
  for (std::size_t found = 0; found < 6; ++found) {
    MemoryHost host;
    host.AddFile(c[0], kHidden);  // a hidden tool is not there
    host.AddFile(c[found]);
    std::vector<std::string> probes(c.begin(), c.begin() + found);
    probes.resize(6, c[found]);
    EXPECT_EQ(Locate(host).RegAsmPath, c[found]);
    EXPECT_EQ(host.dirCalls, probes);
  }
}

// A share that did not answer is not asked again in the same run; one that refused is.
TEST(Probes, FailingProbesAreSilentMisses) {
  const auto& c = kCandidates;
  for (const auto& [error, probes] :
       {std::pair{53, std::vector{c[0], c[1], c[2], c[4], c[5]}},
        std::pair{5, std::vector{c[0], c[1], c[2], c[3], c[4], c[5]}}}) {
    MemoryHost host;
    host.failingListings = {{"\\\\tsclient\\", error}, {"D:\\Program Files\\", 21}};
    host.AddFile(c[5]);
    EXPECT_EQ(Locate(host).RegAsmPath, c[5]);
    EXPECT_EQ(host.dirCalls, probes);
    EXPECT_TRUE(host.boxes.empty());
  }
}

TEST_F(RunTest, DialogLoopEndsOnlyWithAnExistingFileOrGivingUp) {
  host = MemoryHost();  // no tool and no rich-text control, which shows in no case
  AddRow(1);
  host.AddFile("E:\\Tools\\ESRIRegAsm.exe");
  struct Case {
    std::deque<std::string> answers;
    std::deque<int> boxAnswers;
    std::vector<std::string> boxes;
  };
  const std::string nope = "E:\\nope.exe";
  for (const auto& c : std::vector<Case>{{{}, {}, {kCancelled}},
                                         {{nope, "Cancel"}, {}, {ProblemText(nope), kCancelled}},
                                         {{nope}, {msgbox::kAnswerCancel}, {ProblemText(nope)}}}) {
    host.boxes.clear();
    host.locateDialogs = 0;
    host.locateAnswers = c.answers;
    host.boxAnswers = c.boxAnswers;
    EXPECT_EQ(Run(), kGaveUpReport);
    EXPECT_EQ(host.locateDialogs, std::max<int>(1, c.answers.size()));
    std::vector<std::string> prompts;
    for (const auto& box : host.boxes) prompts.push_back(box.prompt);
    EXPECT_EQ(prompts, c.boxes);
    EXPECT_TRUE(host.BatchFiles().empty());
  }
  EXPECT_EQ(host.boxes.at(0).style, msgbox::kOkCancel);
  EXPECT_EQ(host.boxes[0].title, "Problem Finding ESRIRegAsm.exe:");

  host.locateAnswers = {"e:\\tools\\esriREGasm.exe"};  // used exactly as typed
  EXPECT_NE(Run().find("located at:\r\n  --> e:\\tools\\esriREGasm.exe\r\n"), std::string::npos);
  EXPECT_EQ(host.Contents(kFolder + "Unregister_Parcel_Numbering.bat"),
            "\"e:\\tools\\esriREGasm.exe\" /p:Desktop /u \"C:\\Ext\\ParcelNum.dll\"\r\n");

  host.boxes.clear();  // a check that fails (not one that finds nothing) ends the run
  host.failingListings = {{"Q:\\", 52}};
  host.locateAnswers = {"Q:\\tool.exe"};
  view.reportText = "Text1";
  EXPECT_EQ(Run(), "Text1");
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_TRUE(Reports(host.boxes[0], "Form_Load"));
}

// Batch files cannot call a folder or a pattern; Windows reads < > " as wildcards and starts
// elevated batch files in System32: only a fully qualified file name reaches the listing.
TEST(TypedToolPath, RefusedShapesGetTheProblemBoxBeforeAnyListing) {
  for (const std::string typed :
       {"E:\\T\\", "E:\\T/", "E:\\T\\E*.exe", "E:\\T\\E.ex?", "E:\\T\\E.ex>", "E:\\T\\E<.exe",
        "\"E:\\T\\E.exe\"", "E:\\T\\a|b.exe", "E:\\T\\a\tb.exe", "E:\\T\\a:b.exe", "E.exe",
        "C:E.exe", "\\T\\E.exe", "\\\\server", "\\\\\\share\\E.exe", "\\\\srv\\\\E.exe",
        "E:/T/E.exe"}) {
    MemoryHost host;
    host.boxAnswers = {msgbox::kAnswerCancel};
    EXPECT_FALSE(Locate(host, {typed}).ToolLocated);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].prompt, ProblemText(typed));
    EXPECT_EQ(host.dirCalls.size(), 6u) << typed;  // the fixed probes only
  }
  for (const std::string typed : {"E:\\T\\E.exe", "\\\\srv\\c$\\E.exe"}) {
    MemoryHost host;
    host.AddFile(typed);
    EXPECT_TRUE(TypedToolPathExists(host, typed)) << typed;
    EXPECT_EQ(host.dirCalls, std::vector<std::string>{typed});
  }
}

}  // namespace
}  // namespace tarvic::test
