#include <gtest/gtest.h>

#include "RunFixture.h"
#include "batch/ToolLocator.h"
#include "batch/TypedToolPath.h"

namespace tarvic::test {
namespace {

const std::string kCancelled = "File Location of 'ESRIRegAsm.exe' not specified...";

std::string ProblemText(const std::string& path) {
  return "Unable to find ESRIRegAsm.exe at specified path:\r\n\r\n  --> " + path +
         "\r\n\r\nClick 'OK' to specify another file location, or 'Cancel' to exit...";
}

class LocatorTest : public RunTest {
 protected:
  LocatorTest() {
    host = MemoryHost();
    host.AddFile("C:\\Windows\\system32\\RICHTX32.OCX");
    AddRow(1);
  }
  std::vector<std::string> Probes() const {
    std::vector<std::string> probes;
    for (const auto& call : host.dirCalls) {
      if (call.ends_with("ESRIRegAsm.exe")) probes.push_back(call);
    }
    return probes;
  }
  bool LocatedAt(const std::string& path) {
    return Run().find("located at:" + kNl + "  --> " + path + kNl) != std::string::npos;
  }
};

TEST_F(LocatorTest, AllSixProbesRunAndTheFirstFoundIsKept) {
  const auto& candidates = ToolCandidates();
  for (std::size_t found = 0; found < 6; ++found) {
    SCOPED_TRACE(found);
    host.dirCalls.clear();
    host.AddFile(candidates[found]);
    EXPECT_TRUE(LocatedAt(candidates[found]));
    std::vector<std::string> expected(candidates.begin(), candidates.begin() + found);
    expected.resize(6, candidates[found]);
    EXPECT_EQ(Probes(), expected);
    host.AddFile(candidates[found], attr::kHidden);  // a hidden tool is not there
  }
  EXPECT_EQ(host.locateDialogs, 0);
}

// A share that did not answer is not asked again in the same run; one that refused is.
TEST(Probes, FailingProbesAreSilentMisses) {
  const auto& c = ToolCandidates();
  for (const auto& [error, probes] :
       {std::pair{53, std::vector{c[0], c[1], c[2], c[4], c[5]}},
        std::pair{5, std::vector{c[0], c[1], c[2], c[3], c[4], c[5]}}}) {
    SCOPED_TRACE(error);
    MemoryHost host;
    host.AddFile(c[2], attr::kSystem);
    host.FailListing("\\\\tsclient\\", error);
    host.FailListing("D:\\Program Files\\", 21);
    host.AddFile(c[5]);
    frmBatch form{host};
    ErrorTrap trap(host, "Form_Load ", "Error in frmBatch");
    const auto probe = [&](const std::string& path) { return form.ReturnDirValue(path); };
    EXPECT_EQ(LocateTool(host, probe, trap).RegAsmPath, c[5]);
    EXPECT_EQ(host.dirCalls, probes);
    EXPECT_TRUE(host.messageBoxes.empty());
  }
}

struct LoopCase {
  const char* name;
  std::deque<std::string> answers;
  std::deque<int> boxAnswers;
  int dialogs;
  std::vector<std::string> boxes;  // prompts, in order
};

TEST_F(LocatorTest, DialogLoopEndsOnlyWithAnExistingFileOrGivingUp) {
  host.environment["WinDir"] = "C:\\Nowhere";  // a missing control shows in no case
  const std::vector<LoopCase> cases = {
      {"Cancel", {}, {}, 1, {kCancelled}},
      {"MissingThenOk",
       {"E:\\nope.exe", "Cancel"},
       {},
       2,
       {ProblemText("E:\\nope.exe"), kCancelled}},
      {"MissingThenCancel",
       {"E:\\nope.exe"},
       {msgbox::kAnswerCancel},
       1,
       {ProblemText("E:\\nope.exe")}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    host.messageBoxes.clear();
    host.locateDialogs = 0;
    host.locateAnswers = c.answers;
    host.messageBoxAnswers = c.boxAnswers;
    EXPECT_EQ(Run(), kGaveUpReport);
    EXPECT_EQ(host.locateDialogs, c.dialogs);
    std::vector<std::string> prompts;
    for (const auto& box : host.messageBoxes) prompts.push_back(box.prompt);
    EXPECT_EQ(prompts, c.boxes);
    EXPECT_TRUE(host.BatchFiles().empty());
  }
  EXPECT_EQ(host.messageBoxes[0].style, msgbox::kOkCancel);
  EXPECT_EQ(host.messageBoxes[0].title, "Problem Finding ESRIRegAsm.exe:");
}

TEST_F(LocatorTest, AcceptedPathIsUsedExactlyAsTyped) {
  host.AddFile("E:\\Tools\\ESRIRegAsm.exe");
  host.locateAnswers = {"e:\\tools\\esriREGasm.exe"};
  EXPECT_TRUE(LocatedAt("e:\\tools\\esriREGasm.exe"));
  EXPECT_EQ(host.Contents(kFolder + "Unregister_Parcel_Numbering.bat"),
            "\"e:\\tools\\esriREGasm.exe\" /p:Desktop /u \"C:\\Ext\\ParcelNum.dll\"\r\n");
  EXPECT_TRUE(host.messageBoxes.empty());
}

// Batch files cannot call a folder or a pattern, and Windows reads < > " as wildcards and
// starts elevated batch files in System32: only a fully qualified file name is accepted.
TEST(TypedToolPath, RefusedShapesNeverReachTheListing) {
  for (const std::string typed :
       {"E:\\Tools\\", "E:\\Tools/", "E:\\Tools\\ESRI*.exe", "E:\\Tools\\ESRIRegAsm.ex?",
        "E:\\Tools\\ESRIRegAsm.ex>", "E:\\Tools\\ESRIRegAsm.e<e", "\"E:\\Tools\\ESRIRegAsm.exe\"",
        "E:\\Tools\\a|b.exe", "E:\\Tools\\a\tb.exe", "E:\\Tools\\a:b.exe", "ESRIRegAsm.exe",
        "C:ESRIRegAsm.exe", "\\Tools\\ESRIRegAsm.exe", "\\\\server", "\\\\\\share\\a.exe",
        "\\\\server\\\\a.exe", "E:/Tools/ESRIRegAsm.exe"}) {
    SCOPED_TRACE(typed);
    MemoryHost host;
    host.locateAnswers = {typed};
    host.messageBoxAnswers = {msgbox::kAnswerCancel};
    ErrorTrap trap(host, "Form_Load ", "Error in frmBatch");
    EXPECT_FALSE(LocateTool(
                     host, [](const std::string&) { return ""; }, trap)
                     .ToolLocated);
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0].prompt, ProblemText(typed));
    EXPECT_TRUE(host.dirCalls.empty());
  }
  for (const std::string typed : {"E:\\Tools\\ESRIRegAsm.exe", "\\\\srv\\c$\\ESRIRegAsm.exe"}) {
    MemoryHost host;
    host.AddFile(typed);
    EXPECT_TRUE(TypedToolPathExists(host, typed)) << typed;
    EXPECT_EQ(host.dirCalls, std::vector<std::string>{typed});
  }
}

TEST_F(LocatorTest, FailingCheckOfATypedPathEndsTheRun) {
  host.FailListing("Q:\\", 52);
  host.locateAnswers = {"Q:\\tool.exe"};
  EXPECT_EQ(Run(), "Text1");
  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(Location(host.messageBoxes[0]), "Form_Load Error in frmBatch Line : <n>");
  EXPECT_TRUE(host.BatchFiles().empty());
}

}  // namespace
}  // namespace tarvic::test
