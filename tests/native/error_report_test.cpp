#include <gtest/gtest.h>

#include "RunFixture.h"
#include "errors/ErrorHandling.h"
#include "errors/ErrorTrap.h"

namespace tarvic::test {
namespace {

TEST(ReportError, PutsTheExactMessageOnTheClipboardAndInAWarningBox) {
  MemoryHost host;
  host.clipboard = "before";
  ReportError(host, "Form_Load Error in frmBatch ", -5, "");
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
  EXPECT_EQ(host.clipboard, expected);
  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(host.messageBoxes[0].prompt, expected);
  EXPECT_EQ(host.messageBoxes[0].style, 48);
  EXPECT_EQ(host.messageBoxes[0].title, "Problem Making Batch Files:");

  host.clipboardFails = true;  // a busy clipboard must not hide the report
  EXPECT_NO_THROW(ReportError(host, "x", 521, "busy"));
  EXPECT_EQ(host.messageBoxes.size(), 2u);
}

TEST(ErrorTrap, SkipsTheRestOfTheBodyAndNamesTheLastLineReached) {
  MemoryHost host;
  bool rest = false;
  for (const int line : {230, 0}) {
    ErrorTrap trap(host, "Form_Load ", "Error in frmBatch");
    trap.Run([&] {
      if (line != 0) trap.At(line);
      throw HostFailure(5, "Invalid procedure call");
      rest = true;
    });
  }
  EXPECT_FALSE(rest);
  ASSERT_EQ(host.messageBoxes.size(), 2u);
  EXPECT_EQ(host.messageBoxes[0].prompt.rfind("Form_Load Error in frmBatch Line : 230\r\n", 0), 0u);
  EXPECT_EQ(host.messageBoxes[1].prompt.rfind("Form_Load Error in frmBatch \r\n", 0), 0u);
}

TEST_F(RunTest, EachFailingEntryIsReportedAndLosesOnlyItsRow) {
  for (int row : {1, 2, 3}) AddRow(row);
  host.Lock(kFolder + "Unregister_Parcel_Numbering.bat");
  host.Lock(kFolder + "Register_Quorvane_Tools.bat");
  const std::string report = Run();
  ASSERT_EQ(host.messageBoxes.size(), 2u);
  for (const auto& box : host.messageBoxes) {
    EXPECT_EQ(Location(box), "MakeBatchFiles Error in frmBatch Line : <n>");
    EXPECT_NE(box.prompt.find("Error Number = 70\r\nDescription: Permission denied\r\n"),
              std::string::npos);
  }
  EXPECT_EQ(host.clipboard, host.messageBoxes[1].prompt);
  EXPECT_EQ(host.BatchFiles(), (std::vector<std::string>{"Register_Parcel_Numbering.bat",
                                                         "Register_Survey_Point_Import.bat",
                                                         "Unregister_Survey_Point_Import.bat"}));
  EXPECT_NE(report.find("Unregister Survey Point Import in"), std::string::npos);
  EXPECT_EQ(report.find("Parcel Numbering Tools"), std::string::npos);
}

TEST_F(RunTest, CopyPutsTheReportBoxOnTheClipboardEvenAfterAFailedRun) {
  Run();
  form.cmdCopy_Click();
  EXPECT_EQ(host.clipboard, view.reportText);
  EXPECT_NE(host.clipboard, "Text1");

  host.FailListing(kFolder, 52);
  view.reportText = "Text1";
  Run();
  form.cmdCopy_Click();
  EXPECT_EQ(host.clipboard, "Text1");
  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(Location(host.messageBoxes[0]), "Form_Load Error in frmBatch Line : <n>");
}

}  // namespace
}  // namespace tarvic::test
