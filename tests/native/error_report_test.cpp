#include <gtest/gtest.h>

#include "RunFixture.h"
#include "errors/ErrorTrap.h"

namespace tarvic::test {
namespace {

TEST(ErrorTrap, ReportsTheExactMessageOnceWithTheLastLineReached) {
  MemoryHost host;
  host.clipboard = "before";
  bool rest = false;
  for (const int line : {0, 230}) {
    ErrorTrap trap(host, "Form_Load ", "Error in frmBatch");
    trap.Run([&] {
      if (line != 0) trap.At(line);
      throw HostFailure(-5, "");
      rest = true;
    });
  }
  EXPECT_FALSE(rest);
  const std::string expected =
      "Form_Load Error in frmBatch \r\n"
      "Tarvic_Kit: v. 1.0.39\r\n"
      "Error Number = -5\r\n"
      "Description: \r\n"
      "\r\n"
      "If using Windows Vista or Windows 7, did you right-click and choose 'Run as "
      "Administrator'?\r\n"
      "\r\n"
      "This error message has been copied to your Clipboard.\r\n"
      "Please contact the GIS Support Desk [gis-support@example.org] if you have problems with "
      "this tool.\r\n"
      "Use [Control]-V to paste this error information into your email.";
  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(host.boxes[0].prompt, expected);
  EXPECT_EQ(host.boxes[0].style, 48);
  EXPECT_EQ(host.boxes[0].title, "Problem Making Batch Files:");
  EXPECT_EQ(host.boxes[1].prompt, "Form_Load Error in frmBatch Line : 230" + expected.substr(28));
  EXPECT_EQ(host.clipboard, host.boxes[1].prompt);

  host.clipboardFails = true;  // a busy clipboard must not hide the report
  EXPECT_NO_THROW(ReportError(host, "x", 521, "busy"));
  EXPECT_EQ(host.boxes.size(), 3u);
}

TEST_F(RunTest, EachFailingEntryIsReportedAndLosesOnlyItsRow) {
  for (int row : {1, 2, 3}) AddRow(row);
  host.locked = {kFolder + "Unregister_Parcel_Numbering.bat",
                 kFolder + "Register_Quorvane_Tools.bat"};
  const std::string report = Run();
  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_TRUE(Reports(host.boxes[0], "MakeBatchFiles"));
  EXPECT_TRUE(Reports(host.boxes[1], "MakeBatchFiles"));
  EXPECT_NE(host.boxes[1].prompt.find("Error Number = 70\r\nDescription: Permission denied\r\n"),
            std::string::npos);
  EXPECT_EQ(host.clipboard, host.boxes[1].prompt);
  EXPECT_EQ(host.BatchFiles(), (std::vector<std::string>{"Register_Parcel_Numbering.bat",
                                                         "Register_Survey_Point_Import.bat",
                                                         "Unregister_Survey_Point_Import.bat"}));
  EXPECT_NE(report.find("Unregister Survey Point Import in"), std::string::npos);
  EXPECT_EQ(report.find("Parcel Numbering Tools"), std::string::npos);
}

TEST_F(RunTest, CopyPutsTheReportBoxOnTheClipboardEvenAfterAFailedRun) {
  form.cmdCopy_Click();
  EXPECT_EQ(host.clipboard, "Text1");
  Run();
  form.cmdCopy_Click();
  EXPECT_EQ(host.clipboard.rfind("------< BATCH FILES FAILURE >", 0), 0u);

  host.failingListings = {{kFolder, 52}};
  view.reportText = "Text1";
  EXPECT_EQ(Run(), "Text1");
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_TRUE(Reports(host.boxes[0], "Form_Load"));
}

}  // namespace
}  // namespace tarvic::test
