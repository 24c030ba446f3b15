#include <gtest/gtest.h>

#include "RunFixture.h"
#include "errors/ErrorHandling.h"
#include "errors/ErrorTrap.h"

namespace tarvic::test {
namespace {

TEST(ErrorLineText, ZeroIsEmptyOtherNumbersKeepTheirSign) {
  EXPECT_EQ(ErrorLineText(0), "");
  EXPECT_EQ(ErrorLineText(230), "Line : 230");
  EXPECT_EQ(ErrorLineText(-7), "Line : -7");
}

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
}

TEST(ReportError, BusyClipboardStillShowsTheBox) {
  MemoryHost host;
  host.clipboardFails = true;
  EXPECT_NO_THROW(ReportError(host, "cmdCopy_Click Error in frmBatch Line : 20", 521, "busy"));
  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_NE(host.messageBoxes[0].prompt.find("Description: busy\r\n"), std::string::npos);
}

TEST(ErrorTrap, SkipsTheRestOfTheBodyAndReportsOnce) {
  MemoryHost host;
  bool rest = false;
  ErrorTrap trap(host, "Form_Load ", "Error in frmBatch");
  trap.Run([&] {
    trap.At(230);
    host.WriteLineFile("Z:\\missing\\a.bat", "x");
    rest = true;
  });
  EXPECT_FALSE(rest);
  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(Lines(host.messageBoxes[0].prompt)[0], "Form_Load Error in frmBatch Line : 230");

  ErrorTrap early(host, "Form_Load ", "Error in frmBatch");
  early.Run([&] { throw HostFailure(5, "Invalid procedure call"); });
  EXPECT_EQ(Lines(host.messageBoxes.at(1).prompt)[0], "Form_Load Error in frmBatch ");
}

TEST_F(RunTest, UnwritableFolderReportsEachPresentRowAndFallsBackToFailure) {
  AddRow(host, 2);
  AddRow(host, 1);
  host.files.DenyWritesIn(kFolder);
  const std::string report = Run();

  ASSERT_EQ(host.messageBoxes.size(), 2u);
  for (const auto& box : host.messageBoxes) {
    EXPECT_EQ(Location(box), "MakeBatchFiles Error in frmBatch Line : <n>");
    EXPECT_NE(box.prompt.find("Error Number = 75\r\nDescription: Path/File access error\r\n"),
              std::string::npos);
  }
  EXPECT_EQ(host.clipboard, host.messageBoxes[1].prompt);
  EXPECT_EQ(report.rfind("------< BATCH FILES FAILURE >", 0), 0u);
  EXPECT_TRUE(host.files.FilesIn(kFolder, "*.bat").empty());
}

TEST_F(RunTest, LockedUnregisterFileLosesOnlyItsRow) {
  for (int row : {1, 2, 3}) AddRow(host, row);
  const std::string locked = kFolder + "Unregister_Survey_Point_Import.bat";
  host.files.AddFile(locked, "old\r\n");
  host.files.Lock(locked);
  const std::string report = Run();

  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(Location(host.messageBoxes[0]), "MakeBatchFiles Error in frmBatch Line : <n>");
  EXPECT_NE(host.messageBoxes[0].prompt.find("Error Number = 70\r\nDescription: Permission denied"),
            std::string::npos);
  EXPECT_EQ(host.files.Contents(locked), "old\r\n");
  EXPECT_TRUE(host.files.Exists(kFolder + "Register_Survey_Point_Import.bat"));
  EXPECT_EQ(report.find("Survey Point Import"), std::string::npos);
  EXPECT_NE(report.find("Unregister Parcel Numbering Tools in"), std::string::npos);
  EXPECT_NE(report.find("Unregister Field Crew Scheduler in"), std::string::npos);
}

TEST_F(RunTest, FailingFolderListingEndsTheRunWithTheDesignText) {
  AddRow(host, 1);
  host.files.FailListing(kFolder, 52, "Bad file name or number");
  EXPECT_EQ(Run(), "Text1");
  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(Location(host.messageBoxes[0]), "Form_Load Error in frmBatch Line : <n>");
  EXPECT_TRUE(host.files.FilesIn(kFolder, "*.bat").empty());
}

}  // namespace
}  // namespace tarvic::test
