#include <gtest/gtest.h>

#include "RunFixture.h"
#include "ui/frmFindFile.h"

namespace tarvic::test {
namespace {

struct Dialog {
  explicit Dialog(double frame = 390) : view(form, frame) {
    form.Attach(&view);
    form.Form_Load();
  }
  MemoryHost host;
  frmFindFile form{host};
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
  EXPECT_EQ(d.form.Answer(), "Cancel");
  EXPECT_EQ(d.view.path, "");
  EXPECT_FALSE(d.view.okEnabled);
  EXPECT_TRUE(d.view.topmost);
  EXPECT_EQ(d.view.height - 390, 3075);
  EXPECT_EQ(d.view.left, (28800 - (6810 + 90)) / 2.0);
  EXPECT_EQ(d.view.top, (16200 - (3105 + 390)) / 2.0);  // centred at the designed height
}

TEST(FindFileDialog, OkIsEnabledForAnyTextAndHandsItBackUnchanged) {
  Dialog d;
  d.view.SetLookupPathText("x");
  EXPECT_TRUE(d.view.okEnabled);
  d.view.SetLookupPathText("");
  EXPECT_FALSE(d.view.okEnabled);
  d.view.SetLookupPathText("  ");
  EXPECT_TRUE(d.view.okEnabled);
  d.form.cmdOK_Click();
  EXPECT_EQ(d.form.Answer(), "  ");
  EXPECT_TRUE(d.view.closed);

  Dialog cancelled;
  cancelled.view.SetLookupPathText("E:\\typed.exe");
  cancelled.form.cmdCancel_Click();
  EXPECT_EQ(cancelled.form.Answer(), "Cancel");
  EXPECT_TRUE(cancelled.view.closed);
}

TEST(FindFileDialog, BrowseFillsThePathAndACancelledBrowseEmptiesIt) {
  Dialog d;
  d.host.openAnswers = {"D:\\A B\\ESRIRegAsm.exe"};
  d.form.cmdSelLookup_Click();
  EXPECT_EQ(d.view.path, "D:\\A B\\ESRIRegAsm.exe");
  EXPECT_EQ(d.view.caret, d.view.path.size());
  EXPECT_TRUE(d.view.okEnabled);
  EXPECT_EQ(d.host.lastOpen,
            "ESRI Registry Tool (ESRIRegAsm.exe)|ESRIRegAsm.exe|C:\\Ext|Select ESRIRegAsm.exe:");
  d.view.SetLookupPathText("typed");
  d.form.cmdSelLookup_Click();
  EXPECT_EQ(d.view.path, "");
  EXPECT_FALSE(d.view.okEnabled);
}

// Large-font frames are not whole twips; the frame is rounded half to even.
TEST(FindFileDialog, FrameHeightRoundsHalfToEven) {
  EXPECT_EQ(Dialog(382.5).view.height, 3457.0);
  EXPECT_EQ(Dialog(397.5).view.height, 3473.0);
}

}  // namespace
}  // namespace tarvic::test
