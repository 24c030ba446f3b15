#include <gtest/gtest.h>

#include "RunFixture.h"
#include "cli/ProgramRun.h"

namespace tarvic::test {
namespace {

std::string Describe(const CommandLine& line) {
  std::string text = line.quiet ? "quiet " : "";
  if (line.help) text += "help ";
  if (line.toolPath) text += "tool=" + *line.toolPath + " ";
  if (line.logFile) text += "log=" + *line.logFile + " ";
  return text + (line.Bad() ? "bad:" + line.badArgument : "");
}

TEST(CommandLine, SwitchesAreCaseInsensitiveAndAnythingElseIsBad) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{}, ""},
      {{"-QUIET", "/Tool:C:\\A B\\E.exe", "/LOG:run.log"},
       "quiet tool=C:\\A B\\E.exe log=run.log "},
      {{"/tool:\"C:\\A B\\E.exe\""}, "tool=C:\\A B\\E.exe "},
      {{"/?"}, "help "},
      {{"-?", "/quiet"}, "quiet help "},
      {{"/s", "/quiet", "/x"}, "quiet bad:/s"},
      {{"quiet"}, "bad:quiet"},
      {{"/tool:"}, "bad:/tool:"},
      {{"/log:\"\""}, "bad:/log:\"\""},
      {{"/log"}, "bad:/log"},
      {{"/quiet:yes"}, "bad:/quiet:yes"},
      {{"/"}, "bad:/"},
      {{""}, "bad:\"\""},
  };
  for (const auto& [arguments, expected] : cases) {
    SCOPED_TRACE(expected);
    EXPECT_EQ(Describe(ParseCommandLine(arguments)), expected);
  }
}

// The usage goes to the console when there is one, else to a box, but never a box when quiet.
TEST(CommandLine, UsageIsShownAndNothingRuns) {
  struct Case {
    std::vector<std::string> arguments;
    bool console;
    int exitCode;
    std::size_t boxes;
  };
  for (const auto& c : {Case{{"/?"}, false, 0, 1}, Case{{"/x"}, true, 87, 0},
                        Case{{"/quiet", "-x"}, false, 87, 0}}) {
    MemoryHost host;
    host.arguments = c.arguments;
    host.hasConsole = c.console;
    ProgramRun run(host);
    EXPECT_TRUE(run.Done());
    EXPECT_EQ(run.ExitCode(), c.exitCode);
    EXPECT_EQ(host.messageBoxes.size(), c.boxes);
    const std::string shown = host.console + (c.boxes ? host.messageBoxes[0].prompt : "");
    EXPECT_EQ(shown, c.console || c.boxes ? UsageText() : "");
    EXPECT_TRUE(host.dirCalls.empty());
  }
}

class UnattendedTest : public RunTest {
 protected:
  int Start(std::vector<std::string> arguments) {
    host.arguments = std::move(arguments);
    host.hasConsole = true;
    ProgramRun run(host);
    if (run.Quiet()) return run.RunQuiet();
    run.Form().Attach(&view);
    run.Form().Form_Load();
    return run.Finish(view.reportText);
  }
};

TEST_F(UnattendedTest, QuietRunWritesSilentLinesAndTheLogAndShowsNothing) {
  AddRow(1);
  host.clipboard = "kept";
  EXPECT_EQ(Start({"/quiet", "/log:run.log"}), 0);
  EXPECT_EQ(host.Contents(kFolder + "Register_Parcel_Numbering.bat"),
            "\"" + kFirstCandidate +
                "\" /p:Desktop \"C:\\Ext\\ParcelNum.dll\" /f:\"C:\\Ext\\ParcelNum.reg\" /s\r\n");
  EXPECT_EQ(host.Contents(kFolder + "Unregister_Parcel_Numbering.bat"),
            "\"" + kFirstCandidate + "\" /p:Desktop /u \"C:\\Ext\\ParcelNum.dll\" /s\r\n");
  const std::string report = host.console.substr(0, host.console.size() - 2);
  EXPECT_EQ(report.rfind("------< BATCH FILES SUCCESSFULLY CREATED >", 0), 0u);
  EXPECT_EQ(host.Contents("run.log"), "\xEF\xBB\xBF" + report + kNl);
  EXPECT_TRUE(host.messageBoxes.empty());
  EXPECT_EQ(host.clipboard, "kept");
}

TEST_F(UnattendedTest, LogHoldsEachErrorReportAfterTheReport) {
  AddRow(1);
  host.FailListing(kFolder + "*.dll", 52);
  EXPECT_EQ(Start({"/quiet", "/log:C:\\run.log"}), 3);
  const std::string& log = host.Contents("C:\\run.log");
  EXPECT_EQ(log.rfind("\xEF\xBB\xBFText1\r\n\r\nForm_Load Error in frmBatch Line : ", 0), 0u);
  EXPECT_TRUE(
      log.ends_with(".\r\nUse [Control]-V to paste this error information into your email.\r\n"));
  EXPECT_TRUE(host.messageBoxes.empty());
}

// The first code that applies wins: tool missing, failure reported, log not written, nothing.
TEST_F(UnattendedTest, ExitCodeTakesTheFirstThatApplies) {
  struct Case {
    const char* name;
    std::vector<std::string> arguments;
    bool row, tool, lockedBatch, lockedLog;
    int exitCode;
  };
  const std::vector<Case> cases = {
      {"ToolMissing", {"/quiet", "/log:l"}, true, false, true, true, 2},
      {"GivenToolIsAFolder", {"/quiet", "/tool:C:\\Tools\\"}, true, true, false, false, 2},
      {"Trapped", {"/quiet", "/log:l"}, true, true, true, true, 3},
      {"LogNotWritten", {"/quiet", "/log:l"}, false, true, false, true, 4},
      {"NoExtension", {"/quiet"}, false, true, false, false, 1},
      {"GivenTool", {"/quiet", "/tool:C:\\Tools\\R.exe"}, true, false, false, false, 0},
      {"WindowWithLog", {"/log:l"}, true, true, false, false, 0},
      {"NoArguments", {}, false, true, false, false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    host = MemoryHost();
    host.AddFile("C:\\Tools\\R.exe");
    if (c.row) AddRow(1);
    if (c.tool) host.AddFile(kFirstCandidate);
    if (c.lockedBatch) host.Lock(kFolder + "Register_Parcel_Numbering.bat");
    if (c.lockedLog) host.Lock("l");
    EXPECT_EQ(Start(c.arguments), c.exitCode);
    EXPECT_EQ(host.locateDialogs, 0);
  }
}

}  // namespace
}  // namespace tarvic::test
