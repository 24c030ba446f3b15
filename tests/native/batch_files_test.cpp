#include <array>

#include "RunFixture.h"
#include "batch/BatchFileWriter.h"

namespace tarvic::test {
namespace {

const ExtensionEntry& kParcel = ExtensionCatalogue()[0];

// The catalogue's letter case is written, not the disk's; % is doubled, as cmd expands it even
// inside quotes; a path the console code page cannot hold goes in its 8.3 form.
TEST_F(BatchFileRun, BatchLinesAreBuiltFromCmdFormsWithPercentDoubled) {
  const std::string ts = "\\\\tsclient\\C\\Program Files (x86)\\ESRIRegAsm.exe";
  const std::string cafe = "C:\\Caf\xC3\xA9", tool = "E:\\T\xC3\xBCls\\ESRIRegAsm.exe";
  for (const auto& [appPath, folder, toolPath, cmdFolder, cmdTool] :
       std::vector<std::array<std::string, 5>>{
           {"C:\\", "C:\\", ts, "C:\\", ts},
           {"C:\\50% off", "C:\\50% off\\", "E:\\1%\\R.exe", "C:\\50%% off\\", "E:\\1%%\\R.exe"},
           {cafe, cafe + "\\", tool, "C:\\CAFE~1\\", "E:\\T%%~1\\ESRIRE~1.EXE"}}) {
    SCOPED_TRACE(appPath);
    host = MemoryHost();
    host.appPath = appPath;
    host.shortNames = {{cafe + "\\ParcelNum.dll", "C:\\CAFE~1\\ParcelNum.dll"},
                       {cafe + "\\ParcelNum.reg", "C:\\CAFE~1\\ParcelNum.reg"},
                       {tool, "E:\\T%~1\\ESRIRE~1.EXE"}};
    std::string text;
    bool found = false;
    EXPECT_TRUE(MakeBatchFiles(host, screen.errors, kParcel, toolPath, {"PARCELNUM.DLL"},
                               {"parcelnum.REG"}, false, text, found));
    const std::string quotedTool = "\"" + cmdTool + "\" /p:Desktop ";
    EXPECT_EQ(host.Contents(folder + "Register_Parcel_Numbering.bat"),
              quotedTool + "\"" + cmdFolder + "ParcelNum.dll\" /f:\"" + cmdFolder +
                  "ParcelNum.reg\"\r\n");
    EXPECT_EQ(host.Contents(folder + "Unregister_Parcel_Numbering.bat"),
              quotedTool + "/u \"" + cmdFolder + "ParcelNum.dll\"\r\n");
    // The report names the batch files as they are, not in cmd's form.
    EXPECT_NE(text.find("  --> " + folder + "Unregister_Parcel_Numbering.bat\r\n"),
              std::string::npos);
  }
}

// Counted as a failure and not registered, while the report says it as it always did: under the
// success banner, as that entry's text in the list.
TEST_F(BatchFileRun, BatchFilesWrittenButNotFoundGiveTheHandMadeText) {
  AddRow(1), AddRow(2);
  host.AddFile("E:\\R.exe");
  host.unlisted = {kFolder + "Unregister_Parcel_Numbering.bat"};
  EXPECT_EQ(Start({"/quiet", "/register", "/tool:E:\\R.exe"}), 3);
  EXPECT_TRUE(
      host.console.ends_with("Survey Point Import: registered\r\n\r\n1 of 1 registered.\r\n"));
  EXPECT_TRUE(host.console.starts_with(
      "------< BATCH FILES SUCCESSFULLY CREATED >--------------------------------\r\n\r\n"
      "Failed to create batch files for Parcel Numbering Tools!\r\n"
      "  --> Reason for failure unknown...\r\n\r\n"
      "If you wish to manually make your own batch files, please paste the following text "
      "into the files:\r\n<-- Text to Register Parcel Numbering Tools -->\r\n"
      "\"E:\\R.exe\" /p:Desktop \"C:\\Ext\\ParcelNum.dll\" /f:\"C:\\Ext\\ParcelNum.reg\" /s\r\n\r\n"
      "<-- Text to Unregister Parcel Numbering Tools-->\r\n"
      "\"E:\\R.exe\" /p:Desktop /u \"C:\\Ext\\ParcelNum.dll\" /s\r\n\r\n\r\n"
      "The following batch files have been created to Register and Unregister Survey Point"));
}

// Disk order is not catalogue order: every row writes its two files under the catalogue's names,
// each one line naming the row's library and script, and the report lists the rows in order.
TEST_F(BatchFileRun, EveryRowWritesItsBatchFilesInCatalogueOrder) {
  for (int row = 22; row >= 1; --row) AddRow(row);
  const std::string report = Run();
  std::vector<std::string> written;
  std::string listed;
  const std::string tool = "\"" + kFirstCandidate + "\" /p:Desktop ";
  for (const Row& row : kCatalogue) {
    const std::string reg = "Register_" + std::string(row.stem) + ".bat";
    written.insert(written.end(), {reg, "Unregister_" + std::string(row.stem) + ".bat"});
    const std::string dll = "\"C:\\Ext\\" + std::string(row.dll) + "\"";
    EXPECT_EQ(host.Contents(kFolder + reg), tool + dll + " /f:\"C:\\Ext\\" + row.reg + "\"\r\n")
        << row.title;
    EXPECT_EQ(host.Contents(kFolder + written.back()), tool + "/u " + dll + "\r\n");
    listed += "The following batch files have been created to Register and Unregister " +
              std::string(row.title) + " in ArcGIS 10:\r\n  --> C:\\Ext\\" + reg +
              "\r\n  --> C:\\Ext\\" + written.back() + "\r\n\r\n";
  }
  EXPECT_EQ(host.BatchFiles(), written);
  EXPECT_NE(report.find(listed), std::string::npos);
}

TEST_F(BatchFileRun, AFailingEntryLosesOnlyItsRow) {
  for (int row = 1; row <= 3; ++row) AddRow(row);
  host.locked = {kFolder + "Unregister_Parcel_Numbering.bat",
                 kFolder + "Register_Quorvane_Tools.bat"};
  const std::string report = Run();
  for (auto& shown : host.boxes) shown.resize(shown.find('\r'));  // up to the line reached
  const std::string box = "Problem Making Batch Files:|48|MakeBatchFiles Error in frmBatch Line : ";
  EXPECT_EQ(host.boxes, std::vector({box + "90", box + "80"}));
  EXPECT_EQ(host.BatchFiles(), std::vector<std::string>({"Register_Parcel_Numbering.bat",
                                                         "Register_Survey_Point_Import.bat",
                                                         "Unregister_Survey_Point_Import.bat"}));
  EXPECT_EQ(report.find("Parcel Numbering"), std::string::npos);
  EXPECT_NE(report.find("Unregister Survey Point Import in ArcGIS 10:"), std::string::npos);
}

std::string Notes(const std::string& reg, const std::string& dll) {
  return "ESRIRegAsm.exe located at:\r\n  --> " + kFirstCandidate +
         "\r\n\r\nFound 1 *.reg files in C:\\Ext\\...\r\n  --> C:\\Ext\\" + reg +
         "\r\n\r\nFound 1 *.dll files in C:\\Ext\\...\r\n  --> C:\\Ext\\" + dll + kNl;
}

// Only the last four characters decide what the scan collects, without regard to case.
TEST_F(BatchFileRun, SuccessReportWithAndWithoutTheAlert) {
  for (const char* name : {"PARCELNUM.DLL", "x.dll.bak", "x.regx", "parcelnum.REG", "n.txt"})
    host.AddFile(kFolder + name);
  const std::string head =
      "------< BATCH FILES SUCCESSFULLY CREATED >" + std::string(32, '-') +
      "\r\n\r\nThe following batch files have been created to Register and Unregister Parcel "
      "Numbering Tools in ArcGIS 10:\r\n  --> C:\\Ext\\Register_Parcel_Numbering.bat\r\n"
      "  --> C:\\Ext\\Unregister_Parcel_Numbering.bat\r\n\r\nIf using Windows XP, you should be "
      "able to register and unregister the tools simply by double-clicking on the batch files "
      "listed above.  If using Windows Vista or Windows 7, you must right-click on the batch file "
      "and select 'Run as Administrator'.";
  const std::string tail = kNl + kNl + "------< NOTES >" + std::string(68, '-') + kNl + kNl +
                           Notes("parcelnum.REG", "PARCELNUM.DLL") + kNl + kNl + kVersionBanner;
  EXPECT_EQ(Run(), head + tail);

  host.AddFile("C:\\Windows\\syswow64\\a.dll");  // a 64-bit machine, the control not in syswow64
  host.environment["WinDir"] = "C:\\Windows\\";
  EXPECT_EQ(Run(), head + kNl + kNl + "------< ALERT >" + std::string(68, '-') +
                       "\r\n\r\nThis tool did not find the Windows file RICHTX32.OCX in the "
                       "expected folder:\r\n  --> C:\\Windows\\syswow64\\richtx32.ocx\r\n\r\n"
                       "Windows 7 does not automatically include this file, so you may need to "
                       "install and register it manually to prevent the Quorvane ArcGIS tools "
                       "from crashing.  Please refer to the manual for instructions on how to "
                       "manually install and register the RICHTX32.OCX file." +
                       tail);
  host.environment["WinDir"] = "";  // still searched from the root, not the current folder
  EXPECT_NE(Run().find(kNl + "  --> \\system32\\richtx32.ocx" + kNl), std::string::npos);
}

TEST_F(BatchFileRun, FailureReportWrapsFoundFilesHidesTheAlertAndIsCopied) {
  host.AddFile(kFolder + "Scheduler.dll");  // row 3 needs CrewRoster.reg, not Scheduler.reg
  host.AddFile(kFolder + "Scheduler.reg");
  host.environment["WinDir"] = "C:\\Nowhere";
  EXPECT_EQ(Run(), "------< BATCH FILES FAILURE >" + std::string(32, '-') + kNl + kNl +
                       Notes("Scheduler.reg", "Scheduler.dll") + kNl +
                       "Unable to find any Quorvane extensions to create batch files for!" + kNl +
                       kNl + kNl + kVersionBanner);
  form.cmdCopy_Click();
  EXPECT_EQ(host.clipboard, view.reportText);
}

}  // namespace
}  // namespace tarvic::test
