#include <gtest/gtest.h>

#include "RunFixture.h"

namespace tarvic::test {
namespace {

TEST_F(RunTest, CopyPutsExactlyTheReportOnTheClipboard) {
  AddRow(host, 1);
  Run();
  host.clipboard = "something else";
  form.cmdCopy_Click();
  EXPECT_EQ(host.clipboard, view.reportText);
  form.cmdCopy_Click();
  EXPECT_EQ(host.clipboard, view.reportText);
  EXPECT_TRUE(host.messageBoxes.empty());
  EXPECT_FALSE(view.geometry.closed);
}

TEST_F(RunTest, CopyAfterAFailedRunCopiesTheDesignText) {
  host.files.FailListing(kFolder, 52, "Bad file name or number");
  Run();
  form.cmdCopy_Click();
  EXPECT_EQ(host.clipboard, "Text1");
}

TEST_F(RunTest, BusyClipboardOnCopyIsReportedAndTheWindowStays) {
  Run();
  host.clipboardFails = true;
  form.cmdCopy_Click();
  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(Location(host.messageBoxes[0]), "cmdCopy_Click Error in frmBatch Line : <n>");
  EXPECT_FALSE(view.geometry.closed);
}

TEST_F(RunTest, CloseUnloadsTheWindow) {
  Run();
  form.cmdClose_Click();
  EXPECT_TRUE(view.geometry.closed);
  EXPECT_EQ(unloads, 1);
}

TEST_F(RunTest, LoadMakesTheWindowTopmostCentredAndTrimmed) {
  Run();
  EXPECT_TRUE(view.geometry.topmost);
  EXPECT_EQ(view.geometry.InnerHeight(), 4485);
  EXPECT_EQ(view.geometry.left, (28800 - (8535 + 90)) / 2.0);
  EXPECT_EQ(view.geometry.top, (16200 - (4500 + 390)) / 2.0);
}

}  // namespace
}  // namespace tarvic::test
