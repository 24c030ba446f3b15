#include "RunFixture.h"

namespace tarvic::test {
namespace {

struct Dialog {
  explicit Dialog(double frame = 390) : view(form, frame) {
    form.Attach(&view);
    form.Form_Load();
  }
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
  EXPECT_EQ(d.view.path, "D:\\A B\\ESRIRegAsm.exe");
  EXPECT_EQ(d.view.caret, d.view.path.size());
  EXPECT_EQ(d.host.lastOpen,
            "ESRI Registry Tool (ESRIRegAsm.exe)|ESRIRegAsm.exe|C:\\Ext|Select ESRIRegAsm.exe:");
  d.form.cmdSelLookup_Click();
  EXPECT_EQ(d.view.path, "");
  for (const auto& [text, enabled] : {std::pair{"x", true}, {"", false}, {"  ", true}}) {
    d.view.SetLookupPathText(text);
    EXPECT_EQ(d.view.okEnabled, enabled) << '"' << text << '"';
  }
  d.form.cmdOK_Click();
  EXPECT_EQ(d.form.Answer(), "  ");
  EXPECT_TRUE(d.view.closed);
  d.view.closed = false;
  d.form.cmdCancel_Click();  // whatever the path box holds
  EXPECT_EQ(d.form.Answer(), "Cancel");
  EXPECT_TRUE(d.view.closed);
}

}  // namespace
}  // namespace tarvic::test
