#include "RunFixture.h"

namespace tarvic::test {
namespace {

const std::string kLocatedAt =
    "ESRIRegAsm.exe located at:" + kNl + "  --> " + kFirstCandidate + kNl + kNl;

std::string Found(const std::string& reg, const std::string& dll) {
  return "Found 1 *.reg files in C:\\Ext\\..." + kNl + "  --> C:\\Ext\\" + reg + kNl + kNl +
         "Found 1 *.dll files in C:\\Ext\\..." + kNl + "  --> C:\\Ext\\" + dll + kNl;
}

// Only the last four characters decide what the scan collects, without regard to case.
TEST_F(RunTest, SuccessReportWithAndWithoutTheAlert) {
  for (const char* name : {"PARCELNUM.DLL", "x.dll.bak", "x.regx", "parcelnum.REG", "n.txt"}) {
    host.AddFile(kFolder + name);
  }
  const std::string head =
      "------< BATCH FILES SUCCESSFULLY CREATED >" + std::string(32, '-') +
      "\r\n\r\nThe following batch files have been created to Register and Unregister Parcel "
      "Numbering Tools in ArcGIS 10:\r\n  --> C:\\Ext\\Register_Parcel_Numbering.bat\r\n"
      "  --> C:\\Ext\\Unregister_Parcel_Numbering.bat\r\n\r\nIf using Windows XP, you should be "
      "able to register and unregister the tools simply by double-clicking on the batch files "
      "listed above.  If using Windows Vista or Windows 7, you must right-click on the batch file "
      "and select 'Run as Administrator'.";
  const std::string tail = kNl + kNl + "------< NOTES >" + std::string(68, '-') + kNl + kNl +
                           kLocatedAt + Found("parcelnum.REG", "PARCELNUM.DLL") + kNl + kNl +
                           kVersionBanner;
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

TEST_F(RunTest, FailureReportWrapsFoundFilesHidesTheAlertAndIsCopied) {
  host.AddFile(kFolder + "Scheduler.dll");  // row 3 needs CrewRoster.reg, not Scheduler.reg
  host.AddFile(kFolder + "Scheduler.reg");
  host.environment["WinDir"] = "C:\\Nowhere";
  EXPECT_EQ(Run(), "------< BATCH FILES FAILURE >" + std::string(32, '-') + kNl + kNl + kLocatedAt +
                       Found("Scheduler.reg", "Scheduler.dll") + kNl +
                       "Unable to find any Quorvane extensions to create batch files for!" + kNl +
                       kNl + kNl + kVersionBanner);
  form.cmdCopy_Click();
  EXPECT_EQ(host.clipboard, view.reportText);
}

}  // namespace
}  // namespace tarvic::test
