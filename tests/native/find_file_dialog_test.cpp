#include <gtest/gtest.h>

#include "RunFixture.h"
#include "ui/frmFindFile.h"

namespace tarvic::test {
namespace {

class DialogTest : public ::testing::Test {
 protected:
  DialogTest() {
    view.onPathChange = [this] { form.txtLookupPath_Change(); };
    form.Attach(&view);
  }

  void Open() { form.Form_Load(); }

  MemoryHost host;
  frmFindFile form{host};
  FakeFindFileView view;
};

TEST_F(DialogTest, LoadShowsInstructionsAndAnswersCancelWithOkDisabled) {
  Open();
  EXPECT_EQ(view.instructions,
            "This tool was unable to find the Esri Registry Assembly tool 'ESRIRegAsm.exe' in the "
            "expected location.  On 32-bit machines, this file is usually located at:\r\n"
            " \r\n"
            "  -->  C:\\Program Files\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe\r\n"
            " \r\n"
            "On 64-bit machines, this file is usually located at:\r\n"
            " \r\n"
            "  -->  C:\\Program Files (x86)\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe\r\n"
            " \r\n"
            "Please enter the correct location for this file on your computer.\r\n"
            " \r\n");
  EXPECT_EQ(form.Answer(), "Cancel");
  EXPECT_EQ(view.path, "");
  EXPECT_FALSE(view.okEnabled);
  EXPECT_TRUE(view.geometry.topmost);
  EXPECT_TRUE(host.messageBoxes.empty());
}

TEST_F(DialogTest, OkIsEnabledForAnyNonEmptyTextAndHandsItBackUnchanged) {
  Open();
  view.SetLookupPathText("x");
  EXPECT_TRUE(view.okEnabled);
  view.SetLookupPathText("");
  EXPECT_FALSE(view.okEnabled);
  view.SetLookupPathText(" ");
  EXPECT_TRUE(view.okEnabled);
  form.cmdOK_Click();
  EXPECT_EQ(form.Answer(), " ");
  EXPECT_TRUE(view.geometry.closed);
}

TEST_F(DialogTest, CancelAnswersCancelWhateverWasTyped) {
  Open();
  view.SetLookupPathText("E:\\typed.exe");
  form.cmdCancel_Click();
  EXPECT_EQ(form.Answer(), "Cancel");
  EXPECT_TRUE(view.geometry.closed);
}

TEST_F(DialogTest, BrowseFillsThePathAndACancelledBrowseEmptiesIt) {
  host.openAnswers = {"D:\\A B\\ESRIRegAsm.exe", ""};
  Open();
  form.cmdSelLookup_Click();
  EXPECT_EQ(view.path, "D:\\A B\\ESRIRegAsm.exe");
  EXPECT_EQ(view.caret, view.path.size());
  EXPECT_TRUE(view.okEnabled);

  view.SetLookupPathText("typed");
  form.cmdSelLookup_Click();
  EXPECT_EQ(view.path, "");
  EXPECT_EQ(view.caret, 0u);
  EXPECT_FALSE(view.okEnabled);

  ASSERT_EQ(host.openCalls.size(), 2u);
  EXPECT_EQ(host.openCalls[0].filter, "ESRI Registry Tool (ESRIRegAsm.exe)|ESRIRegAsm.exe");
  EXPECT_EQ(host.openCalls[0].initialFolder, "C:\\Ext");
  EXPECT_EQ(host.openCalls[0].title, "Select ESRIRegAsm.exe:");
}

TEST_F(DialogTest, FailingFileDialogKeepsThePathAndIsReported) {
  host.showOpenFails = true;
  Open();
  view.SetLookupPathText("typed");
  form.cmdSelLookup_Click();
  EXPECT_EQ(view.path, "typed");
  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(Location(host.messageBoxes[0]), "cmdSelLookup_Click Error in frmFindFile Line : <n>");
}

TEST_F(DialogTest, LoadCentresAtTheDesignedHeightAndTrimsTheInnerArea) {
  Open();
  EXPECT_EQ(view.geometry.InnerHeight(), 3075);
  EXPECT_EQ(view.geometry.left, (28800 - (6810 + 90)) / 2.0);
  EXPECT_EQ(view.geometry.top, (16200 - (3105 + 390)) / 2.0);
}

// Large-font frames are not whole twips; the frame is rounded half to even.
TEST(DialogPlacement, FrameHeightRoundsHalfToEven) {
  for (const auto& [frame, height] : {std::pair{382.5, 3457.0}, std::pair{397.5, 3473.0}}) {
    MemoryHost host;
    frmFindFile form{host};
    FakeFindFileView view(frame);
    form.Attach(&view);
    form.Form_Load();
    EXPECT_EQ(view.geometry.height, height) << "frame " << frame;
  }
}

}  // namespace
}  // namespace tarvic::test
