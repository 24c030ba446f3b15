#include <gtest/gtest.h>

#include "MemoryHost.h"
#include "batch/Registration.h"

namespace tarvic::test {
namespace {

using Ending = ProgramResult::Ending;

const std::string kTool = "C:\\Program Files (x86)\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe";
const std::string kHead =
    "\r\n\r\n------< REGISTRATION >-----------------------------------------------------------"
    "--\r\n\r\n";

std::vector<ExtensionEntry> Rows(std::size_t count) {
  return {ExtensionCatalogue().begin(), ExtensionCatalogue().begin() + count};
}

struct Section {
  std::string text;
  std::vector<std::size_t> callsBeforePiece;
  RegistrationTally tally;
};

Section RunSection(MemoryHost& host, RegistrationKind kind, const std::string& folder,
                   const std::vector<ExtensionEntry>& entries, std::size_t closeAfterCalls = 99) {
  Section section;
  section.tally = RunRegistrations(
      host, kind, kTool, folder, entries,
      [&] { return host.programCalls.size() >= closeAfterCalls; },
      [&](const std::string& piece) {
        section.text += piece;
        section.callsBeforePiece.push_back(host.programCalls.size());
      });
  return section;
}

// cmd would expand %, and & and ^ are its own; a letter outside the console code page would have
// made the batch file fall back to 8.3 names. Started directly, the tool gets the real paths.
TEST(Registration, CallsTheToolWithTheRealPathsInCatalogueOrder) {
  const std::string folder = "D:\\GIS 100% & R^D \xCE\xA9\\";
  MemoryHost host;
  host.shortNames[folder + "ParcelNum.dll"] = "D:\\GIS10~1\\ParcelNum.dll";
  const Section registered = RunSection(host, RegistrationKind::Register, folder, Rows(3));
  const Section unregistered = RunSection(host, RegistrationKind::Unregister, folder, Rows(1));

  const std::string call = kTool + "|" + folder + "|\"" + kTool + "\" /p:Desktop ";
  EXPECT_EQ(host.programCalls,
            (std::vector<std::string>{
                call + "\"" + folder + "ParcelNum.dll\" /f:\"" + folder + "ParcelNum.reg\" /s",
                call + "\"" + folder + "PointImport.dll\" /f:\"" + folder + "PointImport.reg\" /s",
                call + "\"" + folder + "Scheduler.dll\" /f:\"" + folder + "CrewRoster.reg\" /s",
                call + "/u \"" + folder + "ParcelNum.dll\" /s"}));
  EXPECT_EQ(registered.text, kHead +
                                 "  --> Parcel Numbering Tools: registered\r\n"
                                 "  --> Survey Point Import: registered\r\n"
                                 "  --> Field Crew Scheduler: registered\r\n"
                                 "\r\n3 of 3 registered.");
  EXPECT_EQ(unregistered.text, kHead +
                                   "  --> Parcel Numbering Tools: unregistered\r\n"
                                   "\r\n1 of 1 unregistered.");
}

// Each line reaches the report and the log as its call ends, not when the last one has.
TEST(Registration, TellsEachOutcomeAsItsCallEnds) {
  MemoryHost host;
  host.programAnswers = {
      {"PointImport.dll", {Ending::Exited, 5, ""}},
      {"Scheduler.dll", {Ending::Exited, 0x7FFFFFFF, ""}},
      {"road_checker.dll", {Ending::Exited, 0x80000000, ""}},
      {"WellLogs.dll", {Ending::Exited, 0x8007000E, ""}},
      {"NoiseBuffer.dll",
       {Ending::NotStarted, 193, "C:\\T\\ESRIRegAsm.exe is not a valid Win32 application."}},
      {"SnowGrid.dll", {Ending::TimedOut, 0, ""}},
  };
  // Closed while the eighth call runs: it finishes, the ninth never starts.
  const Section section = RunSection(host, RegistrationKind::Register, "C:\\Ext\\", Rows(9), 8);
  EXPECT_EQ(section.text,
            kHead +
                "  --> Parcel Numbering Tools: registered\r\n"
                "  --> Survey Point Import: FAILED (ESRIRegAsm.exe exit code 5)\r\n"
                "  --> Field Crew Scheduler: FAILED (ESRIRegAsm.exe exit code 2147483647)\r\n"
                "  --> Road Centreline Checker: FAILED (ESRIRegAsm.exe exit code 2147483648 / "
                "0x80000000)\r\n"
                "  --> Well Log Viewer: FAILED (ESRIRegAsm.exe exit code 2147942414 / "
                "0x8007000E)\r\n"
                "  --> Noise Buffer Tools: FAILED (could not start: 193 C:\\T\\ESRIRegAsm.exe is "
                "not a valid Win32 application.)\r\n"
                "  --> Snow Depth Gridder: FAILED (no answer after 5 minutes)\r\n"
                "  --> Bridge Index: registered\r\n"
                "  --> Pellmar Label Grid: not run\r\n"
                "\r\n2 of 9 registered.");
  EXPECT_EQ(section.callsBeforePiece, (std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 8, 8}));
  EXPECT_EQ(section.tally.succeeded, 2u);
  EXPECT_EQ(section.tally.total, 9u);
}

TEST(Registration, WithoutAnAdministratorsTokenRunsNothingAndSaysWhy) {
  MemoryHost host;
  host.administrator = false;
  const Section refused = RunSection(host, RegistrationKind::Register, "C:\\Ext\\", Rows(2));
  EXPECT_TRUE(host.programCalls.empty());
  EXPECT_TRUE(refused.tally.refused);
  EXPECT_EQ(refused.text, kHead +
                              "Nothing was registered: registering writes to the machine's "
                              "registry, so start Tarvic_Kit.exe with \"Run as administrator\".");
  // Nothing to run needs no administrator.
  EXPECT_FALSE(RunSection(host, RegistrationKind::Register, "C:\\Ext\\", {}).tally.refused);
}

}  // namespace
}  // namespace tarvic::test
