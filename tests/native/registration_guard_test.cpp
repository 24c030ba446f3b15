#include "RunFixture.h"
#include "batch/UntrustedChanger.h"

namespace tarvic::test {
namespace {

const std::string kAdmin = "S-1-5-21-1-2-3-1001", kSystem = "S-1-5-18";
const std::string kTi = "S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464";

// Descriptors as Windows shows them; "-" when only the trusted can change the object, "" when
// it cannot be understood.
TEST(UntrustedChanger, JudgesOwnerAndDaclAsWindowsWritesThem) {
  using enum ChangeScope;
  const std::string win10Child =
      "O:BAD:AI(A;OICIID;FA;;;BA)(A;OICIID;FA;;;SY)(A;OICIID;0x1200a9;;;BU)(A;ID;0x1301bf;;;AU)"
      "(A;OICIIOID;SDGXGWGR;;;AU)";
  for (const auto& [sddl, runningUser, scope, verdict] :
       std::vector<std::tuple<std::string, std::string, ChangeScope, std::string>>{
           {win10Child, kSystem, Object, "AU"},
           {win10Child, kSystem, Children, "-"},  // modify holds no delete-child
           {"O:BAD:AI(A;OICIID;FA;;;BA)(A;OICIIOID;GA;;;CO)(A;OICIID;FA;;;SY)"
            "(A;OICIID;0x1200a9;;;BU)(A;CIID;LC;;;BU)(A;CIID;DC;;;BU)",
            kSystem, Object, "BU"},  // XP: Users create files and folders
           {"O:" + kTi + "D:PAI(A;;FA;;;" + kTi + ")(A;CIIO;GA;;;" + kTi +
                ")(A;;0x1301bf;;;SY)(A;OICIIO;GA;;;SY)(A;;0x1301bf;;;BA)(A;OICIIO;GA;;;BA)"
                "(A;;0x1200a9;;;BU)(A;OICIIO;GXGR;;;BU)(A;OICIIO;GA;;;CO)(A;;0x1200a9;;;AC)",
            kAdmin, Object, "-"},  // Program Files on Windows 10
           {"O:BAD:PAI(A;OICI;0x1301bf;;;PU)(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICIIO;GA;;;CO)"
            "(A;OICI;0x1200a9;;;BU)",
            kSystem, Object, "-"},  // Program Files on XP
           {"O:" + kAdmin + "D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;FA;;;" + kAdmin + ")",
            kAdmin, Object, "-"},  // the administrator's profile, run as that administrator
           {"O:BAD:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;FA;;;" + kAdmin + ")", kSystem, Object,
            kAdmin},  // ... and as SYSTEM
           {"O:BAD:(A;;FA;;;WD)", kSystem, Object, "WD"},
           {"O:BAD:(A;OICIIO;FA;;;BU)", kSystem, Object, "-"},
           {"O:BAD:(D;;FA;;;BU)(A;;FA;;;BU)", kSystem, Object, "BU"},  // deny is not credited
           {"O:S-1-5-21-1-2-3-1005D:(A;;FA;;;SY)", kSystem, Object, "S-1-5-21-1-2-3-1005"},
           {"O:BAD:NO_ACCESS_CONTROL", kSystem, Object, "S-1-1-0"},
           {"O:BA", kSystem, Object, "S-1-1-0"},  // no DACL at all
           {"O:BAD:P", kSystem, Object, "-"},     // an empty DACL lets nobody in
           {"O:SYD:(A;;FA;;;OW)(A;;FA;;;CO)(A;;FA;;;CG)(A;;FA;;;S-1-5-21-7-8-9-519)(A;;FA;;;DA)",
            kSystem, Object, "-"},
           {"O:BAD:(A;;0x1200a9;;;BU)(XA;;0x2;;;IU;(Member_of {SID(BA)}))", kSystem, Object, "IU"},
           {"O:BAD:(A;;0x40;;;BU)", kSystem, Children, "BU"},
           {"O:BAD:(A;;FA;;;S-1-5-21-7-8-9-512)(A;;0x40;;;S-1-5-21-7-8-9-513)", kSystem, Object,
            "S-1-5-21-7-8-9-513"},
           {"O:BAD:(A;;ZZ;;;BU)", kSystem, Object, ""},
           {"D:(A;;FA;;;SY)", kSystem, Object, ""}}) {
    EXPECT_EQ(FirstUntrustedChanger(sddl, runningUser, scope).value_or("-"), verdict) << sddl;
  }
}

const std::string kHead = "\r\n\r\n------< REGISTRATION >" + std::string(61, '-') + "\r\n\r\n";
const std::string kEveryone = "O:BAD:(A;OICI;0x1301ff;;;WD)";

// Elevated and all in place, but others can change what would run: nothing runs, and the
// section says what to fix.
TEST_F(RunTest, RegistrationFromFilesOthersCanChangeRunsNothing) {
  AddRow(1), AddRow(2);
  host.descriptors = {{"C:\\Ext", "O:BAD:(A;ID;0x1301bf;;;AU)"},
                      {kFolder + "PointImport.reg", kEveryone},
                      {"C:\\", "O:BAD:(A;;0x40;;;BU)"},
                      {kFirstCandidate, ""}};
  host.accountNames = {{"AU", "NT AUTHORITY\\Authenticated Users"}, {"WD", "Everyone"}};
  EXPECT_EQ(Start({"/quiet", "/unregister", "/log:l"}), 1625);
  EXPECT_TRUE(host.programCalls.empty());
  EXPECT_EQ(host.BatchFiles().size(), 4u);
  const std::string section =
      kHead +
      "Nothing was unregistered: unregistering runs each library's code as administrator, and "
      "others can change these:\r\n"
      "  --> C:\\Ext (folder): NT AUTHORITY\\Authenticated Users\r\n"
      "  --> C:\\Ext\\PointImport.reg: Everyone\r\n"
      "  --> " +
      kFirstCandidate +
      ": cannot be checked (1350 No security.)\r\n"
      "  --> C:\\ (folder): BU\r\n"
      "Copy the extensions into a folder that only administrators can change (see the README), "
      "then start again.\r\n";
  EXPECT_TRUE(host.console.ends_with(section)) << host.console;
  EXPECT_TRUE(host.Contents("C:\\Start\\l").ends_with(section));

  // At most 20 paths are named; the tool's folder and the folders above are checked too.
  for (int row = 3; row <= 12; ++row) AddRow(row);
  host.descriptors = {{"C:\\Program Files (x86)\\Common Files\\ArcGIS\\bin", kEveryone}};
  for (int row = 1; row <= 12; ++row) {
    for (const char* file : {kCatalogue[row - 1].dll, kCatalogue[row - 1].reg})
      host.descriptors[kFolder + file] = kEveryone;
  }
  EXPECT_EQ(Start({"/quiet", "/register"}), 1625);
  EXPECT_TRUE(host.console.find("  --> C:\\Ext\\ParcelNum.dll: Everyone\r\n") != std::string::npos);
  EXPECT_TRUE(
      host.console.ends_with("  --> and 5 more\r\nCopy the extensions into a folder "
                             "that only administrators can change (see the README), "
                             "then start again.\r\n"));
  EXPECT_TRUE(host.programCalls.empty());
}

}  // namespace
}  // namespace tarvic::test
