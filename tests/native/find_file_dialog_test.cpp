#include <gtest/gtest.h>

#include "RunFixture.h"
#include "ui/frmFindFile.h"

namespace tarvic::test {
namespace {

class DialogTest : public ::testing::Test {
 protected:
  DialogTest() {
    form.Attach(&view);
    form.Form_Load();
  }
  MemoryHost host;
  frmFindFile form{host};
  FakeFindFileView view{form};
};

// Closing by the close box leaves the answer given at load.
TEST_F(DialogTest, LoadShowsInstructionsEmptiesThePathAndAnswersCancel) {
  EXPECT_EQ(view.instructions,
            "This tool was unable to find the Esri Registry Assembly tool 'ESRIRegAsm.exe' in the "
            "expected location.  On 32-bit machines, this file is usually located at:\r\n \r\n"
            "  -->  C:\\Program Files\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe\r\n \r\n"
            "On 64-bit machines, this file is usually located at:\r\n \r\n"
            "  -->  C:\\Program Files (x86)\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe\r\n \r\n"
            "Please enter the correct location for this file on your computer.\r\n \r\n");
  EXPECT_EQ(form.Answer(), "Cancel");
  EXPECT_EQ(view.path, "");
  EXPECT_FALSE(view.okEnabled);
  EXPECT_TRUE(view.topmost);
  EXPECT_EQ(view.InnerHeight(), 3075);
  EXPECT_EQ(view.left, (28800 - (6810 + 90)) / 2.0);
  EXPECT_EQ(view.top, (16200 - (3105 + 390)) / 2.0);  // centred at the designed height
}

TEST_F(DialogTest, OkIsEnabledForAnyTextAndHandsItBackUnchanged) {
  view.SetLookupPathText("x");
  EXPECT_TRUE(view.okEnabled);
  view.SetLookupPathText("");
  EXPECT_FALSE(view.okEnabled);
  view.SetLookupPathText("  ");
  EXPECT_TRUE(view.okEnabled);
  form.cmdOK_Click();
  EXPECT_EQ(form.Answer(), "  ");
  EXPECT_TRUE(view.closed);
}

TEST_F(DialogTest, CancelAnswersCancelWhateverWasTyped) {
  view.SetLookupPathText("E:\\typed.exe");
  form.cmdCancel_Click();
  EXPECT_EQ(form.Answer(), "Cancel");
  EXPECT_TRUE(view.closed);
}

TEST_F(DialogTest, BrowseFillsThePathAndACancelledBrowseEmptiesIt) {
  host.openAnswers = {"D:\\A B\\ESRIRegAsm.exe"};
  form.cmdSelLookup_Click();
  EXPECT_EQ(view.path, "D:\\A B\\ESRIRegAsm.exe");
  EXPECT_EQ(view.caret, view.path.size());
  EXPECT_TRUE(view.okEnabled);
  view.SetLookupPathText("typed");
  form.cmdSelLookup_Click();
  EXPECT_EQ(view.path, "");
  EXPECT_FALSE(view.okEnabled);
  EXPECT_EQ(host.openCalls.at(0),
            "ESRI Registry Tool (ESRIRegAsm.exe)|ESRIRegAsm.exe|C:\\Ext|Select ESRIRegAsm.exe:");
}

// Large-font frames are not whole twips; the frame is rounded half to even.
TEST(DialogPlacement, FrameHeightRoundsHalfToEven) {
  for (const auto& [frame, height] : {std::pair{382.5, 3457.0}, std::pair{397.5, 3473.0}}) {
    MemoryHost host;
    frmFindFile form{host};
    FakeFindFileView view(form, frame);
    form.Attach(&view);
    form.Form_Load();
    EXPECT_EQ(view.height, height) << "frame " << frame;
  }
}

}  // namespace
}  // namespace tarvic::test
