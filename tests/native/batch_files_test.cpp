#include <gtest/gtest.h>

#include "RunFixture.h"

namespace tarvic::test {
namespace {

const std::string kQuotedTool = "\"" + kFirstCandidate + "\"";

std::string CreatedText(int row, const std::string& folder) {
  return "The following batch files have been created to Register and Unregister " +
         Row(row).ToolTitle + " in ArcGIS 10:\r\n  --> " + folder + Row(row).RegisterBat +
         "\r\n  --> " + folder + Row(row).UnregisterBat + "\r\n";
}

TEST_F(RunTest, BatchFilesHoldOneCrLfLineNamingTheCatalogueCase) {
  host.files.AddFile(kFolder + "PARCELNUM.DLL");
  host.files.AddFile(kFolder + "parcelnum.REG");
  const std::string report = Run();

  EXPECT_EQ(
      host.files.Contents(kFolder + "Register_Parcel_Numbering.bat"),
      kQuotedTool + " /p:Desktop \"C:\\Ext\\ParcelNum.dll\" /f:\"C:\\Ext\\ParcelNum.reg\"\r\n");
  EXPECT_EQ(host.files.Contents(kFolder + "Unregister_Parcel_Numbering.bat"),
            kQuotedTool + " /p:Desktop /u \"C:\\Ext\\ParcelNum.dll\"\r\n");
  EXPECT_NE(report.find(CreatedText(1, kFolder)), std::string::npos);
  EXPECT_NE(report.find("  --> C:\\Ext\\PARCELNUM.DLL\r\n"), std::string::npos);
}

TEST_F(RunTest, AllRowsGiveFortyFourFilesAndTextsInCatalogueOrder) {
  for (int row = 22; row >= 1; --row) AddRow(host, row);  // disk order is not catalogue order
  const std::string report = Run();

  EXPECT_EQ(host.files.FilesIn(kFolder, "*.bat").size(), 44u);
  std::string created;
  for (int row = 1; row <= 22; ++row) created += CreatedText(row, kFolder) + "\r\n";
  EXPECT_EQ(report.substr(0, report.find("If using Windows XP")),
            "------< BATCH FILES SUCCESSFULLY CREATED >" + Dashes(32) + "\r\n\r\n" + created);
}

TEST_F(RunTest, RowsNeedBothOfTheirOwnFiles) {
  host.files.AddFile(kFolder + "ParcelNum.dll");    // row 1 without its script
  host.files.AddFile(kFolder + "PointImport.reg");  // row 2 without its library
  for (const char* stem : {"Scheduler", "NoiseBuffer", "Bridge_data2"}) {
    host.files.AddFile(kFolder + stem + ".dll");  // rows 3, 6, 8 with a same-stem script
    host.files.AddFile(kFolder + stem + ".reg");
  }
  Run();
  EXPECT_TRUE(host.files.FilesIn(kFolder, "*.bat").empty());

  for (const char* script : {"CrewRoster.reg", "Ovel_Setup.reg", "Span2.reg"}) {
    host.files.AddFile(kFolder + script);
  }
  Run();
  EXPECT_EQ(host.files.FilesIn(kFolder, "*.bat"),
            (std::vector<std::string>{
                kFolder + "Register_Quorvane_Tools.bat", kFolder + "Unregister_Quorvane_Tools.bat",
                kFolder + "Register_Noise_Buffer_Tools.bat",
                kFolder + "Unregister_Noise_Buffer_Tools.bat",
                kFolder + "Register_Bridge_Index.bat", kFolder + "Unregister_Bridge_Index.bat"}));
}

TEST_F(RunTest, AbsentRowsLeaveOldBatchFilesAndPresentRowsOverwrite) {
  host.files.AddFile(kFolder + "Register_Parcel_Numbering.bat", "old\r\nlines\r\n");
  host.files.AddFile(kFolder + "Register_Survey_Point_Import.bat", "old\r\nlines\r\n");
  AddRow(host, 2);
  Run();
  EXPECT_EQ(host.files.Contents(kFolder + "Register_Parcel_Numbering.bat"), "old\r\nlines\r\n");
  EXPECT_EQ(
      host.files.Contents(kFolder + "Register_Survey_Point_Import.bat"),
      kQuotedTool + " /p:Desktop \"C:\\Ext\\PointImport.dll\" /f:\"C:\\Ext\\PointImport.reg\"\r\n");
}

TEST_F(RunTest, DriveRootFolderIsNotDoubled) {
  host.appPath = "C:\\";
  host.files.AddFile("C:\\ParcelNum.dll");
  host.files.AddFile("C:\\ParcelNum.reg");
  const std::string report = Run();
  EXPECT_EQ(host.files.Contents("C:\\Unregister_Parcel_Numbering.bat"),
            kQuotedTool + " /p:Desktop /u \"C:\\ParcelNum.dll\"\r\n");
  EXPECT_NE(report.find(CreatedText(1, "C:\\")), std::string::npos);
}

TEST_F(RunTest, RemoteDesktopToolPathIsWrittenUnchanged) {
  host.files = MemoryFileSystem();
  const std::string tool =
      "\\\\tsclient\\C\\Program Files (x86)\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe";
  host.files.AddFile(tool);
  AddRow(host, 1);
  const std::string report = Run();
  EXPECT_EQ(host.files.Contents(kFolder + "Unregister_Parcel_Numbering.bat"),
            "\"" + tool + "\" /p:Desktop /u \"C:\\Ext\\ParcelNum.dll\"\r\n");
  EXPECT_NE(report.find("located at:\r\n  --> " + tool + "\r\n"), std::string::npos);
}

// cmd expands %...% even inside quotes, so the lines double it; the report shows the real path.
TEST_F(RunTest, PercentInTheFolderIsDoubledOnlyInBatchLines) {
  host.appPath = "C:\\50%\\Ext";
  const std::string folder = "C:\\50%\\Ext\\";
  for (int row : {1, 2}) {
    host.files.AddFile(folder + Row(row).DllName);
    host.files.AddFile(folder + Row(row).RegName);
  }
  host.files.HideAfterWrite(folder + "Register_Survey_Point_Import.bat");
  const std::string report = Run();

  const std::string unregisterLine =
      kQuotedTool + " /p:Desktop /u \"C:\\50%%\\Ext\\ParcelNum.dll\"";
  EXPECT_EQ(host.files.Contents(folder + "Unregister_Parcel_Numbering.bat"),
            unregisterLine + "\r\n");
  EXPECT_NE(report.find(CreatedText(1, folder)), std::string::npos);
  EXPECT_NE(report.find("\r\n" + kQuotedTool +
                        " /p:Desktop \"C:\\50%%\\Ext\\PointImport.dll\" /f:\"C:\\50%%\\Ext\\"
                        "PointImport.reg\"\r\n"),
            std::string::npos);
  EXPECT_NE(report.find("Found 2 *.reg files in C:\\50%\\Ext\\...\r\n  --> C:\\50%\\Ext\\"),
            std::string::npos);
}

TEST_F(RunTest, BatchFileMissingAfterWritingGivesTheFailureTextUnderSuccess) {
  AddRow(host, 1);
  host.files.HideAfterWrite(kFolder + "Unregister_Parcel_Numbering.bat");
  const std::string report = Run();

  const std::string expected =
      "------< BATCH FILES SUCCESSFULLY CREATED >" + Dashes(32) +
      "\r\n\r\n"
      "Failed to create batch files for Parcel Numbering Tools!\r\n"
      "  --> Reason for failure unknown...\r\n"
      "\r\n"
      "If you wish to manually make your own batch files, please paste the following text into "
      "the files:\r\n"
      "<-- Text to Register Parcel Numbering Tools -->\r\n" +
      kQuotedTool +
      " /p:Desktop \"C:\\Ext\\ParcelNum.dll\" /f:\"C:\\Ext\\ParcelNum.reg\"\r\n"
      "\r\n"
      "<-- Text to Unregister Parcel Numbering Tools-->\r\n" +
      kQuotedTool +
      " /p:Desktop /u \"C:\\Ext\\ParcelNum.dll\"\r\n"
      "\r\n"
      "\r\n"
      "If using Windows XP";
  EXPECT_EQ(report.substr(0, expected.size()), expected);
  EXPECT_TRUE(host.files.Exists(kFolder + "Unregister_Parcel_Numbering.bat"));
}

}  // namespace
}  // namespace tarvic::test
