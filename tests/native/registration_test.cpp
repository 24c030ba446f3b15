#include "batch/Registration.h"
#include "RunFixture.h"

namespace tarvic::test {
namespace {

using Ending = ProgramResult::Ending;
const std::string kHead = "\r\n\r\n------< REGISTRATION >" + std::string(61, '-') + "\r\n\r\n";

// Stopped while the seventh call runs: it ends, the eighth never starts. That each line arrives
// as its call ends is pinned through the window below.
TEST(Registration, TellsEachOutcomeAsItsCallEnds) {
  MemoryHost host;
  host.programAnswers = {
      {"PointImport.dll", {Ending::Exited, 5, ""}},
      {"road_checker.dll", {Ending::Exited, 0x80000000, ""}},
      {"WellLogs.dll", {Ending::Exited, 0x8007000E, ""}},
      {"NoiseBuffer.dll", {Ending::NotStarted, 193, "T.exe is not a valid Win32 application."}},
      {"SnowGrid.dll", {Ending::TimedOut, 0, ""}}};
  std::string text;
  const auto& catalogue = ExtensionCatalogue();
  RunRegistrations(
      host, RegistrationKind::Register, "C:\\T.exe", kFolder,
      {catalogue.begin(), catalogue.begin() + 8}, [&] { return host.programCalls.size() >= 7; },
      [&](const std::string& piece) { text += piece; });
  EXPECT_EQ(text, kHead +
                      "  --> Parcel Numbering Tools: registered\r\n"
                      "  --> Survey Point Import: FAILED (ESRIRegAsm.exe exit code 5)\r\n"
                      "  --> Field Crew Scheduler: registered\r\n"
                      "  --> Road Centreline Checker: FAILED (ESRIRegAsm.exe exit code 2147483648 "
                      "/ 0x80000000)\r\n"
                      "  --> Well Log Viewer: FAILED (ESRIRegAsm.exe exit code 2147942414 / "
                      "0x8007000E)\r\n"
                      "  --> Noise Buffer Tools: FAILED (could not start: 193 T.exe is not a valid "
                      "Win32 application.)\r\n"
                      "  --> Snow Depth Gridder: FAILED (no answer after 5 minutes)\r\n"
                      "  --> Bridge Index: not run\r\n\r\n2 of 8 registered.");
}

// Without an administrator's full token nothing is run, and the section says why; the batch
// files are written all the same.
TEST_F(RunTest, RegistrationWithoutAdministratorRunsNothing) {
  AddRow(1);
  host.administrator = false;
  EXPECT_EQ(Start({"/quiet", "/register"}), 740);
  EXPECT_TRUE(host.programCalls.empty());
  EXPECT_EQ(host.BatchFiles().size(), 2u);
  EXPECT_TRUE(host.console.ends_with(kHead +
                                     "Nothing was registered: registering writes to the "
                                     "machine's registry, so start Tarvic_Kit.exe with \"Run as "
                                     "administrator\".\r\n"));
}

TEST_F(RunTest, ClosingTheWindowStopsTheRegistrations) {
  AddRow(1), AddRow(2), AddRow(3);
  std::string boxDuringSecondCall;
  host.whileProgramRuns = [&] {
    EXPECT_TRUE(desktop.window.shown);
    if (host.programCalls.size() < 2) return;
    boxDuringSecondCall = desktop.window.reportText;
    desktop.form->cmdClose_Click();
  };
  EXPECT_EQ(Start({"/register", "/log:run.log"}), 1603);
  EXPECT_EQ(host.programCalls.size(), 2u);
  EXPECT_TRUE(boxDuringSecondCall.ends_with(kHead + "  --> Parcel Numbering Tools: registered"));
  EXPECT_TRUE(host.Contents("C:\\Start\\run.log")
                  .ends_with(kHead +
                             "  --> Parcel Numbering Tools: registered\r\n"
                             "  --> Survey Point Import: registered\r\n"
                             "  --> Field Crew Scheduler: not run\r\n\r\n2 of 3 registered.\r\n"));
}

}  // namespace
}  // namespace tarvic::test
