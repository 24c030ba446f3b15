#include "RunFixture.h"
#include "batch/UntrustedChanger.h"

namespace tarvic::test {
namespace {

// Descriptors as Windows shows them, and who besides the trusted can change each: "-" nobody,
// "" a descriptor that cannot be understood. The run is SYSTEM's unless it names its user.
TEST(UntrustedChanger, JudgesOwnerAndDaclAsWindowsWritesThem) {
  struct Case {
    std::string sddl, verdict, user = "S-1-5-18";
    ChangeScope scope = ChangeScope::Object;
  };
  const std::string ti = "S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464";
  const std::string admin = "S-1-5-21-1-2-3-1001";
  const std::string profile = "O:" + admin + "D:P(A;;FA;;;SY)(A;;FA;;;BA)(A;;FA;;;" + admin + ")";
  const std::string win10Child =
      "O:BAD:AI(A;OICIID;FA;;;BA)(A;ID;0x1301bf;;;AU)(A;OICIIOID;SDGXGWGR;;;AU)";
  for (const Case& c : std::vector<Case>{
           {win10Child, "AU"},
           {win10Child, "-", "S-1-5-18", ChangeScope::Children},  // modify holds no delete-child
           {"O:BAD:AI(A;OICIIOID;GA;;;CO)(A;OICIID;0x1200a9;;;BU)(A;CIID;LC;;;BU)(A;CIID;DC;;;BU)",
            "BU"},  // XP: Users create files and folders
           {"O:" + ti + "D:PAI(A;;FA;;;" + ti + ")(A;;0x1200a9;;;BU)(A;OICIIO;GA;;;CO)", "-"},
           {"O:BAD:PAI(A;OICI;0x1301bf;;;PU)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)", "-"},  // XP
           {profile, "-", admin},
           {profile, admin},
           {"O:BAD:(A;;FA;;;WD)", "WD"},
           {"O:BAD:(A;OICIIO;FA;;;BU)", "-"},
           {"O:BAD:(D;;FA;;;BU)(A;;FA;;;BU)", "BU"},  // deny is not credited
           {"O:S-1-5-21-1-2-3-1005D:(A;;FA;;;SY)", "S-1-5-21-1-2-3-1005"},
           {"O:BAD:NO_ACCESS_CONTROL", "S-1-1-0"},
           {"O:BA", "S-1-1-0"},  // no DACL at all
           {"O:BAD:P", "-"},     // an empty DACL lets nobody in
           {"O:SYD:(A;;FA;;;OW)(A;;FA;;;CO)(A;;FA;;;CG)(A;;FA;;;S-1-5-21-7-8-9-519)(A;;FA;;;DA)",
            "-"},
           {"O:BAD:(A;;FA;;;S-1-5-21-7-8-9-512)(A;;0x40;;;S-1-5-21-7-8-9-513)",
            "S-1-5-21-7-8-9-513"},
           {"O:BAD:(A;;0x1200a9;;;BU)(XA;;0x2;;;IU;(Member_of {SID(BA)}))", "IU"},
           {"O:BAD:(A;;0x40;;;BU)", "BU", "S-1-5-18", ChangeScope::Children},
           {"O:BAD:(A;;ZZ;;;BU)", ""}}) {
    EXPECT_EQ(FirstUntrustedChanger(c.sddl, c.user, c.scope).value_or("-"), c.verdict) << c.sddl;
  }
}

const std::string kEveryone = "O:BAD:(A;OICI;0x1301ff;;;WD)";
const std::string kEnd =
    "\r\nCopy the extensions into a folder that only administrators can change (see the README), "
    "then start again.\r\n";

// Not elevated, or others can change what would run: nothing runs; the section says why.
TEST_F(RegistrationRun, RegistrationWithoutAdministratorOrFromFilesOthersCanChangeRunsNothing) {
  AddRow(1), AddRow(2);
  host.administrator = false;
  EXPECT_EQ(Start({"/quiet", "/register"}), 740);
  EXPECT_TRUE(
      host.console.ends_with("\r\n\r\nNothing was registered: registering writes to the "
                             "machine's registry, so start Tarvic_Kit.exe with \"Run as "
                             "administrator\".\r\n"));
  host.administrator = true;
  host.descriptors = {{"C:\\Ext", "O:BAD:(A;ID;0x1301bf;;;AU)"},
                      {kFolder + "PointImport.reg", kEveryone},
                      {"C:\\", "O:BAD:(A;;0x40;;;BU)"},
                      {kFolder + "ParcelNum.dll", ""}};
  host.links = {{"C:\\Ext", "O:BAD:"}, {kFolder + "PointImport.dll", "O:S-1-5-21-1-2-3-1005D:"}};
  host.accountNames = {{"AU", "NT AUTHORITY\\Authenticated Users"}, {"WD", "Everyone"}};
  EXPECT_EQ(Start({"/quiet", "/unregister", "/log:l"}), 1625);
  EXPECT_TRUE(host.Contents("C:\\Start\\l")
                  .ends_with("\r\n\r\nNothing was unregistered: unregistering runs each library's "
                             "code as administrator, and others can change these:\r\n"
                             "  --> C:\\Ext (folder): NT AUTHORITY\\Authenticated Users\r\n"
                             "  --> C:\\Ext\\ParcelNum.dll: cannot be checked (1350 No ACL)\r\n"
                             "  --> C:\\Ext\\PointImport.dll: S-1-5-21-1-2-3-1005\r\n"
                             "  --> C:\\Ext\\PointImport.reg: Everyone\r\n"
                             "  --> C:\\ (folder): BU" +
                             kEnd));

  // The tool and its folder come after the libraries and scripts: 26 paths, 20 named.
  for (int row = 3; row <= 12; ++row) AddRow(row);
  host.descriptors = {{kFirstCandidate, kEveryone},
                      {"C:\\Program Files (x86)\\Common Files\\ArcGIS\\bin", kEveryone}};
  for (const Row& row : kCatalogue)
    host.descriptors[kFolder + row.dll] = host.descriptors[kFolder + row.reg] = kEveryone;
  EXPECT_EQ(Start({"/quiet", "/register"}), 1625);
  EXPECT_NE(host.console.find("\nNothing was registered: registering runs each library's code as "
                              "administrator, and others can change these:\r\n  --> C:\\Ext\\P"),
            std::string::npos);
  EXPECT_TRUE(host.console.ends_with("Span2.reg: Everyone\r\n  --> and 6 more" + kEnd));
  EXPECT_TRUE(host.programCalls.empty());
}

}  // namespace
}  // namespace tarvic::test
