#include <gtest/gtest.h>

#include "RunFixture.h"
#include "batch/FolderScan.h"
#include "batch/RichTextCheck.h"

namespace tarvic::test {
namespace {

const std::string kInstructions =
    "If using Windows XP, you should be able to register and unregister the tools simply by "
    "double-clicking on the batch files listed above.  If using Windows Vista or Windows 7, you "
    "must right-click on the batch file and select 'Run as Administrator'.";
const std::string kLocatedAt =
    "ESRIRegAsm.exe located at:" + kNl + "  --> " + kFirstCandidate + kNl + kNl;

std::string Found(const std::string& reg, const std::string& dll) {
  return "Found 1 *.reg files in C:\\Ext\\..." + kNl + "  --> C:\\Ext\\" + reg + kNl + kNl +
         "Found 1 *.dll files in C:\\Ext\\..." + kNl + "  --> C:\\Ext\\" + dll + kNl;
}

TEST_F(RunTest, SuccessReportWithAndWithoutTheAlert) {
  AddRow(1);
  const std::string head =
      "------< BATCH FILES SUCCESSFULLY CREATED >" + std::string(32, '-') + kNl + kNl +
      "The following batch files have been created to Register and Unregister Parcel Numbering "
      "Tools in ArcGIS 10:" +
      kNl + "  --> C:\\Ext\\Register_Parcel_Numbering.bat" + kNl +
      "  --> C:\\Ext\\Unregister_Parcel_Numbering.bat" + kNl + kNl + kInstructions;
  const std::string tail = kNl + kNl + "------< NOTES >" + std::string(68, '-') + kNl + kNl +
                           kLocatedAt + Found("ParcelNum.reg", "ParcelNum.dll") + kNl + kNl +
                           kVersionBanner;
  EXPECT_EQ(Run(), head + tail);

  host.AddFile("C:\\Windows\\syswow64\\a.dll");  // a 64-bit machine, the control not in syswow64
  EXPECT_EQ(Run(), head + kNl + kNl + "------< ALERT >" + std::string(68, '-') + kNl + kNl +
                       "This tool did not find the Windows file RICHTX32.OCX in the expected "
                       "folder:" +
                       kNl + "  --> C:\\Windows\\syswow64\\richtx32.ocx" + kNl + kNl +
                       "Windows 7 does not automatically include this file, so you may need to "
                       "install and register it manually to prevent the Quorvane ArcGIS tools "
                       "from crashing.  Please refer to the manual for instructions on how to "
                       "manually install and register the RICHTX32.OCX file." +
                       tail);
  EXPECT_TRUE(host.messageBoxes.empty());
  EXPECT_EQ(host.locateDialogs, 0);
}

TEST_F(RunTest, FailureReportWrapsFoundFilesAndHidesTheAlert) {
  host.AddFile(kFolder + "Scheduler.dll");  // row 3 needs CrewRoster.reg, not Scheduler.reg
  host.AddFile(kFolder + "Scheduler.reg");
  host.environment["WinDir"] = "C:\\Nowhere";
  EXPECT_EQ(Run(), "------< BATCH FILES FAILURE >" + std::string(32, '-') + kNl + kNl + kLocatedAt +
                       Found("Scheduler.reg", "Scheduler.dll") + kNl +
                       "Unable to find any Quorvane extensions to create batch files for!" + kNl +
                       kNl + kNl + kVersionBanner);
  EXPECT_TRUE(host.BatchFiles().empty());
}

TEST(RichTextCheck, SearchesSyswow64OnlyWhenItHoldsNormalFiles) {
  struct Case {
    const char* winDir;  // nullptr: unset
    std::vector<std::pair<std::string, unsigned>> files;
    std::string pathLine;  // "": no alert
  };
  const std::string sys32Control = "C:\\Windows\\system32\\RICHTX32.OCX";
  const std::vector<Case> cases = {
      {"C:\\Windows",
       {{"C:\\Windows\\syswow64\\a.dll", 0}, {sys32Control, 0}},
       "C:\\Windows\\syswow64\\richtx32.ocx"},
      {"C:\\Windows\\", {{"C:\\Windows\\syswow64\\h.dll", attr::kHidden}, {sys32Control, 0}}, ""},
      {"C:\\Windows", {{sys32Control, attr::kHidden}}, "C:\\Windows\\system32\\richtx32.ocx"},
      {"C:\\Windows", {{"C:\\Windows\\SysWOW64\\richtx32.ocx", attr::kReadOnly}}, ""},
      {nullptr, {}, "\\system32\\richtx32.ocx"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pathLine);
    MemoryHost host;
    if (c.winDir) host.environment["WinDir"] = c.winDir;
    for (const auto& [path, attributes] : c.files) host.AddFile(path, attributes);
    const std::string alert = CheckRichTextControl(host);
    if (c.pathLine.empty())
      EXPECT_EQ(alert, "");
    else
      EXPECT_NE(alert.find(kNl + "  --> " + c.pathLine + kNl), std::string::npos) << alert;
  }
}

TEST(FolderScan, CollectsRegAndDllByTheirLastFourCharactersInListingOrder) {
  MemoryHost host;
  for (const char* name : {"b.REG", "a.Dll", "x.dll.bak", "x.regx", "Z.reg", "notes.txt"}) {
    host.AddFile(kFolder + name);
  }
  host.AddFile(kFolder + "h.dll", attr::kHidden);
  host.AddFile(kFolder + "s.reg", attr::kSystem);
  host.AddFile(kFolder + "Sub.dll", attr::kFolder);
  const FolderScan scan = ScanProgramFolder(host);
  EXPECT_EQ(scan.FoundRegs, (std::vector<std::string>{"b.REG", "Z.reg"}));
  EXPECT_EQ(scan.FoundDlls, (std::vector<std::string>{"a.Dll"}));
  EXPECT_EQ(FoundFilesParagraphs(scan), "Found 2 *.reg files in C:\\Ext\\..." + kNl +
                                            "  --> C:\\Ext\\b.REG" + kNl + "  --> C:\\Ext\\Z.reg" +
                                            kNl + kNl + "Found 1 *.dll files in C:\\Ext\\..." +
                                            kNl + "  --> C:\\Ext\\a.Dll" + kNl);
}

}  // namespace
}  // namespace tarvic::test
