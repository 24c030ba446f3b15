#include <gtest/gtest.h>

#include "RunFixture.h"
#include "batch/BatchFileWriter.h"
#include "batch/FolderScan.h"

namespace tarvic::test {
namespace {

struct LineCase {
  const char* name;
  std::string appPath, tool;
  std::map<std::string, std::string> shortNames;
  std::string registerLine, unregisterLine;  // without the CR LF
};

// The catalogue's letter case is written, not the disk's; % is doubled, as cmd would expand it
// even inside quotes; paths the console code page cannot hold go in their 8.3 form.
TEST(BatchLines, AreBuiltFromCmdFormsWithPercentDoubled) {
  const std::string tsclient =
      "\\\\tsclient\\C\\Program Files (x86)\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe";
  const std::vector<LineCase> cases = {
      {"CatalogueCase",
       "C:\\Ext",
       kFirstCandidate,
       {},
       "\"" + kFirstCandidate +
           "\" /p:Desktop \"C:\\Ext\\ParcelNum.dll\" /f:\"C:\\Ext\\ParcelNum.reg\"",
       "\"" + kFirstCandidate + "\" /p:Desktop /u \"C:\\Ext\\ParcelNum.dll\""},
      {"DriveRoot",
       "C:\\",
       tsclient,
       {},
       "\"" + tsclient + "\" /p:Desktop \"C:\\ParcelNum.dll\" /f:\"C:\\ParcelNum.reg\"",
       "\"" + tsclient + "\" /p:Desktop /u \"C:\\ParcelNum.dll\""},
      {"Percent",
       "C:\\50% off",
       "E:\\100%\\ESRIRegAsm.exe",
       {},
       "\"E:\\100%%\\ESRIRegAsm.exe\" /p:Desktop \"C:\\50%% off\\ParcelNum.dll\" /f:\"C:\\50%% "
       "off\\ParcelNum.reg\"",
       "\"E:\\100%%\\ESRIRegAsm.exe\" /p:Desktop /u \"C:\\50%% off\\ParcelNum.dll\""},
      {"ShortForms",
       "C:\\Caf\xC3\xA9",
       "E:\\T\xC3\xBCls\\ESRIRegAsm.exe",
       {{"C:\\Caf\xC3\xA9\\ParcelNum.dll", "C:\\CAFE~1\\PARCEL~1.DLL"},
        {"C:\\Caf\xC3\xA9\\ParcelNum.reg", "C:\\CAFE~1\\PARCEL~1.REG"},
        {"E:\\T\xC3\xBCls\\ESRIRegAsm.exe", "E:\\T%~1\\ESRIRE~1.EXE"}},
       "\"E:\\T%%~1\\ESRIRE~1.EXE\" /p:Desktop \"C:\\CAFE~1\\PARCEL~1.DLL\" "
       "/f:\"C:\\CAFE~1\\PARCEL~1.REG\"",
       "\"E:\\T%%~1\\ESRIRE~1.EXE\" /p:Desktop /u \"C:\\CAFE~1\\PARCEL~1.DLL\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryHost host;
    host.appPath = c.appPath;
    host.shortNames = c.shortNames;
    const std::string folder = ProgramFolderOf(c.appPath);
    std::string text;
    EXPECT_TRUE(
        MakeBatchFiles(host, Row(1), c.tool, {"PARCELNUM.DLL"}, {"parcelnum.REG"}, false, text));
    EXPECT_EQ(host.Contents(folder + "Register_Parcel_Numbering.bat"), c.registerLine + kNl);
    EXPECT_EQ(host.Contents(folder + "Unregister_Parcel_Numbering.bat"), c.unregisterLine + kNl);
    EXPECT_EQ(text,
              "The following batch files have been created to Register and Unregister "
              "Parcel Numbering Tools in ArcGIS 10:" +
                  kNl + "  --> " + folder + "Register_Parcel_Numbering.bat" + kNl + "  --> " +
                  folder + "Unregister_Parcel_Numbering.bat" + kNl);
  }
}

TEST(BatchFiles, WrittenButNotFoundGiveTheHandMadeText) {
  MemoryHost host;
  host.HideAfterWrite(kFolder + "Unregister_Parcel_Numbering.bat");
  std::string text;
  EXPECT_TRUE(
      MakeBatchFiles(host, Row(1), "E:\\R.exe", {"ParcelNum.dll"}, {"ParcelNum.reg"}, false, text));
  EXPECT_EQ(text,
            "Failed to create batch files for Parcel Numbering Tools!\r\n"
            "  --> Reason for failure unknown...\r\n\r\n"
            "If you wish to manually make your own batch files, please paste the following text "
            "into the files:\r\n"
            "<-- Text to Register Parcel Numbering Tools -->\r\n"
            "\"E:\\R.exe\" /p:Desktop \"C:\\Ext\\ParcelNum.dll\" /f:\"C:\\Ext\\ParcelNum.reg\"\r\n"
            "\r\n"
            "<-- Text to Unregister Parcel Numbering Tools-->\r\n"
            "\"E:\\R.exe\" /p:Desktop /u \"C:\\Ext\\ParcelNum.dll\"\r\n\r\n");
}

TEST_F(RunTest, AllRowsGiveFortyFourFilesAndTextsInCatalogueOrder) {
  for (int row = 22; row >= 1; --row) AddRow(row);  // disk order is not catalogue order
  const std::string report = Run();
  EXPECT_EQ(host.BatchFiles().size(), 44u);
  std::size_t at = 0;
  for (const auto& entry : ExtensionCatalogue()) {
    SCOPED_TRACE(entry.ToolTitle);
    at = report.find("Unregister " + entry.ToolTitle + " in ArcGIS 10:" + kNl + "  --> " + kFolder +
                         entry.RegisterBat + kNl + "  --> " + kFolder + entry.UnregisterBat + kNl +
                         kNl,
                     at);
    EXPECT_NE(at, std::string::npos);
  }
}

}  // namespace
}  // namespace tarvic::test
