#include "RunFixture.h"
#include "batch/ToolLocator.h"
#include "batch/TypedToolPath.h"

namespace tarvic::test {
namespace {

const std::string kCancelled =
    "Operation Cancelled:|64|File Location of 'ESRIRegAsm.exe' not specified...";

std::string ProblemBox(const std::string& path) {
  return "Problem Finding ESRIRegAsm.exe:|1|Unable to find ESRIRegAsm.exe at specified path:" +
         kNl + kNl + "  --> " + path + kNl + kNl +
         "Click 'OK' to specify another file location, or 'Cancel' to exit...";
}

ToolLocation Locate(MemoryHost& host, std::deque<std::string> answers = {}) {
  ScreenChannels screen{host};
  screen.desktop.locateAnswers = std::move(answers);
  frmBatch form{host, screen.channels};
  ErrorTrap trap(screen.errors, "Form_Load ", "Error in frmBatch");
  return LocateTool(
      host, screen.channels, [&](const std::string& path) { return form.ReturnDirValue(path); },
      trap);
}

const std::vector<std::string> kCandidates = {
    kFirstCandidate,
    "\\\\tsclient\\C\\Program Files (x86)\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
    "C:\\Program Files\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
    "\\\\tsclient\\C\\Program Files\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
    "D:\\Program Files\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
    "D:\\Program Files (x86)\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
};

// All six probes run and the first found is kept. A failing probe is a silent miss; a share that
// did not answer is not asked again in the same run, one that refused is.
TEST(Probes, AllSixRunSilentlyAndTheFirstFoundIsKept) {
  const auto& c = kCandidates;
  for (const auto& [found, failing, probes] :
       std::vector<std::tuple<std::size_t, std::map<std::string, int>, std::vector<std::string>>>{
           {2, {}, {c[0], c[1], c[2], c[2], c[2], c[2]}},
           {5, {}, {c[0], c[1], c[2], c[3], c[4], c[5]}},
           {4, {{"\\\\tsclient\\", 53}}, {c[0], c[1], c[2], c[4], c[4]}},
           {4, {{"\\\\tsclient\\", 5}}, {c[0], c[1], c[2], c[3], c[4], c[4]}}}) {
    SCOPED_TRACE(testing::PrintToString(probes));
    MemoryHost host;
    host.failingListings = failing;
    host.AddFile(c[found]);
    EXPECT_EQ(Locate(host).RegAsmPath, c[found]);
    EXPECT_EQ(host.dirCalls, probes);
    EXPECT_TRUE(host.boxes.empty());
  }
}

TEST_F(LocateRun, DialogLoopEndsOnlyWithAnExistingFileOrGivingUp) {
  host = MemoryHost();  // no tool and no rich-text control, which shows in no case
  AddRow(1);
  const std::string nope = "E:\\nope.exe";
  for (const auto& [answers, boxAnswer, boxes] :
       std::vector<std::tuple<std::deque<std::string>, int, std::vector<std::string>>>{
           {{nope, "Cancel"}, msgbox::kAnswerOk, {ProblemBox(nope), kCancelled}},
           {{"cancel"}, msgbox::kAnswerCancel, {ProblemBox("cancel")}}}) {  // a path, not giving up
    SCOPED_TRACE(answers.front());
    host.boxes.clear();
    desktop.locateAnswers = answers;
    host.boxAnswer = boxAnswer;
    EXPECT_EQ(Run(), "Failed to find ESRI Assembly Registry tool 'ESRIRegAsm.exe'!" + kNl + kNl +
                         "Operation cancelled..." + kNl + kNl + kVersionBanner);
    EXPECT_EQ(host.boxes, boxes);
  }

  host.AddFile("\\\\srv\\c$\\ESRIRegAsm.exe");
  desktop.locateAnswers = {"\\\\srv\\c$\\esriREGasm.exe"};  // used exactly as typed
  EXPECT_NE(Run().find("located at:\r\n  --> \\\\srv\\c$\\esriREGasm.exe\r\n"), std::string::npos);
}

// Batch files cannot call a folder or a pattern; Windows reads < > " as wildcards and starts
// elevated batch files in System32: only a fully qualified file name reaches the listing.
TEST(TypedToolPath, RefusedShapesGetTheProblemBoxBeforeAnyListing) {
  for (const std::string typed :
       {"E:\\T\\", "E:\\T/", "E:\\T\\E*.exe", "E:\\T\\E.ex?", "E:\\T\\E.ex>", "E:\\T\\E<.exe",
        "\"E:\\T\\E.exe\"", "E:\\T\\a|b.exe", "E:\\T\\a\tb.exe", "E:\\T\\a:b.exe", "E.exe",
        "C:E.exe", "\\T\\E.exe", "\\\\server", "\\\\\\share\\E.exe", "\\\\srv\\\\E.exe",
        "E:/T/E.exe"}) {
    SCOPED_TRACE(typed);
    MemoryHost host;
    host.boxAnswer = msgbox::kAnswerCancel;
    EXPECT_FALSE(Locate(host, {typed}).ToolLocated);
    EXPECT_EQ(host.boxes, std::vector({ProblemBox(typed)}));
    EXPECT_EQ(host.dirCalls.size(), 6u);  // the fixed probes only
  }
  MemoryHost host;  // a check that fails, unlike one that finds nothing, is no silent miss
  host.failingListings = {{"Q:\\", 52}};
  EXPECT_THROW(Locate(host, {"Q:\\tool.exe"}), HostFailure);
}

struct Dialog {
  explicit Dialog(double frame = 390) : view(form, frame) {}
  MemoryHost host;
  ScreenChannels screen{host};
  frmFindFile form{host, screen.errors};
  FakeFindFileView view;
};

// Closing by the close box leaves the answer given at load.
TEST(FindFileDialog, LoadsCentredWithInstructionsAnEmptyPathAndTheAnswerCancel) {
  Dialog d;
  EXPECT_EQ(d.view.instructions,
            "This tool was unable to find the Esri Registry Assembly tool 'ESRIRegAsm.exe' in the "
            "expected location.  On 32-bit machines, this file is usually located at:\r\n \r\n"
            "  -->  C:\\Program Files\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe\r\n \r\n"
            "On 64-bit machines, this file is usually located at:\r\n \r\n"
            "  -->  C:\\Program Files (x86)\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe\r\n \r\n"
            "Please enter the correct location for this file on your computer.\r\n \r\n");
  EXPECT_EQ(std::tuple(d.form.Answer(), d.view.path, d.view.okEnabled, d.view.topmost),
            std::tuple("Cancel", "", false, true));
  EXPECT_EQ(std::vector({d.view.left, d.view.top, d.view.height}),
            std::vector({(28800 - 6900) / 2.0, (16200 - 3495) / 2.0, 3075.0 + 390}));
  // Large-font frames are not whole twips; the frame is rounded half to even.
  EXPECT_EQ(Dialog(382.5).view.height, 3457.0);
  EXPECT_EQ(Dialog(397.5).view.height, 3473.0);
}

TEST(FindFileDialog, ButtonsHandBackWhatWasTypedOrChosen) {
  Dialog d;
  d.host.openAnswer = "D:\\A B\\ESRIRegAsm.exe";
  d.form.cmdSelLookup_Click();
  EXPECT_EQ(std::tuple(d.view.path, d.view.caret), std::tuple("D:\\A B\\ESRIRegAsm.exe", 21u));
  EXPECT_EQ(d.host.lastOpen,
            "ESRI Registry Tool (ESRIRegAsm.exe)|ESRIRegAsm.exe|C:\\Ext|Select ESRIRegAsm.exe:");
  d.form.cmdSelLookup_Click();
  EXPECT_EQ(d.view.path, "");
  for (const auto& [text, enabled] : {std::pair{"x", true}, {"", false}, {"  ", true}}) {
    d.view.SetLookupPathText(text);
    EXPECT_EQ(d.view.okEnabled, enabled) << '"' << text << '"';
  }
  d.form.cmdOK_Click();
  EXPECT_EQ(std::tuple(d.form.Answer(), d.view.closed), std::tuple("  ", true));
  d.view.closed = false;
  d.form.cmdCancel_Click();  // whatever the path box holds
  EXPECT_EQ(std::tuple(d.form.Answer(), d.view.closed), std::tuple("Cancel", true));
}

}  // namespace
}  // namespace tarvic::test
