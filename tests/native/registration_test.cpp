#include <gtest/gtest.h>

#include "MemoryHost.h"
#include "batch/Registration.h"

namespace tarvic::test {
namespace {

using Ending = ProgramResult::Ending;
const std::string kTool = "C:\\Program Files (x86)\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe";
const std::string kHead = "\r\n\r\n------< REGISTRATION >" + std::string(61, '-') + "\r\n\r\n";

// The section for the first `rows` catalogue rows, closed once `closeAfter` calls were made; each
// piece noted with the number of calls made before it arrived.
struct Section {
  Section(MemoryHost& host, RegistrationKind kind, const std::string& folder, std::size_t rows,
          std::size_t closeAfter = 99) {
    const auto& catalogue = ExtensionCatalogue();
    tally = RunRegistrations(
        host, kind, kTool, folder, {catalogue.begin(), catalogue.begin() + rows},
        [&] { return host.programCalls.size() >= closeAfter; },
        [&](const std::string& piece) {
          text += piece;
          callsBefore.push_back(host.programCalls.size());
        });
  }
  std::string text;
  std::vector<std::size_t> callsBefore;
  RegistrationTally tally;
};

// cmd would expand %, and & and ^ are its own; a letter outside the console code page would have
// made the batch file fall back to 8.3 names. Started directly, the tool gets the real paths.
TEST(Registration, CallsTheToolWithTheRealPathsInCatalogueOrder) {
  const std::string folder = "D:\\GIS 100% & R^D \xCE\xA9\\";
  MemoryHost host;
  host.shortNames[folder + "ParcelNum.dll"] = "D:\\GIS10~1\\ParcelNum.dll";
  EXPECT_EQ(Section(host, RegistrationKind::Register, folder, 2).text,
            kHead +
                "  --> Parcel Numbering Tools: registered\r\n"
                "  --> Survey Point Import: registered\r\n\r\n2 of 2 registered.");
  EXPECT_EQ(Section(host, RegistrationKind::Unregister, folder, 1).text,
            kHead + "  --> Parcel Numbering Tools: unregistered\r\n\r\n1 of 1 unregistered.");
  const std::string call = kTool + "|" + folder + "|\"" + kTool + "\" /p:Desktop ";
  EXPECT_EQ(host.programCalls,
            (std::vector<std::string>{
                call + "\"" + folder + "ParcelNum.dll\" /f:\"" + folder + "ParcelNum.reg\" /s",
                call + "\"" + folder + "PointImport.dll\" /f:\"" + folder + "PointImport.reg\" /s",
                call + "/u \"" + folder + "ParcelNum.dll\" /s"}));
}

// Closed while the seventh call runs: it ends, the eighth never starts. Each line arrives as
// its call ends, not with the last one.
TEST(Registration, TellsEachOutcomeAsItsCallEnds) {
  MemoryHost host;
  host.programAnswers = {
      {"PointImport.dll", {Ending::Exited, 5, ""}},
      {"Scheduler.dll", {Ending::Exited, 0x7FFFFFFF, ""}},
      {"road_checker.dll", {Ending::Exited, 0x80000000, ""}},
      {"WellLogs.dll", {Ending::Exited, 0x8007000E, ""}},
      {"NoiseBuffer.dll", {Ending::NotStarted, 193, "T.exe is not a valid Win32 application."}},
      {"SnowGrid.dll", {Ending::TimedOut, 0, ""}}};
  const Section section(host, RegistrationKind::Register, "C:\\Ext\\", 8, 7);
  EXPECT_EQ(section.text,
            kHead +
                "  --> Parcel Numbering Tools: registered\r\n"
                "  --> Survey Point Import: FAILED (ESRIRegAsm.exe exit code 5)\r\n"
                "  --> Field Crew Scheduler: FAILED (ESRIRegAsm.exe exit code 2147483647)\r\n"
                "  --> Road Centreline Checker: FAILED (ESRIRegAsm.exe exit code 2147483648 "
                "/ 0x80000000)\r\n"
                "  --> Well Log Viewer: FAILED (ESRIRegAsm.exe exit code 2147942414 / "
                "0x8007000E)\r\n"
                "  --> Noise Buffer Tools: FAILED (could not start: 193 T.exe is not a valid "
                "Win32 application.)\r\n"
                "  --> Snow Depth Gridder: FAILED (no answer after 5 minutes)\r\n"
                "  --> Bridge Index: not run\r\n\r\n1 of 8 registered.");
  EXPECT_EQ(section.callsBefore, (std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 6, 7, 7, 7}));
  EXPECT_EQ(section.tally.succeeded, 1u);
  EXPECT_EQ(section.tally.total, 8u);
}

TEST(Registration, WithoutAnAdministratorsTokenRunsNothingAndSaysWhy) {
  MemoryHost host;
  host.administrator = false;
  EXPECT_FALSE(Section(host, RegistrationKind::Register, "C:\\Ext\\", 0).tally.refused);
  const Section refused(host, RegistrationKind::Register, "C:\\Ext\\", 2);
  EXPECT_TRUE(refused.tally.refused);
  EXPECT_TRUE(host.programCalls.empty());
  EXPECT_EQ(refused.text, kHead +
                              "Nothing was registered: registering writes to the machine's "
                              "registry, so start Tarvic_Kit.exe with \"Run as administrator\".");
}

}  // namespace
}  // namespace tarvic::test
