#include "RunFixture.h"
#include "cli/ProgramRun.h"

namespace tarvic::test {
namespace {

std::string Parsed(const std::vector<std::string>& arguments) {
  const CommandLine line = ParseCommandLine(arguments);
  return std::string(line.quiet ? "quiet " : "") + (line.help ? "help " : "") +
         (line.toolPath ? "tool=" + *line.toolPath + " " : "") +
         (line.logFile ? "log=" + *line.logFile + " " : "") +
         (line.Bad() ? "bad:" + line.badArgument : "");
}

TEST(CommandLine, SwitchesAreCaseInsensitiveAndAnythingElseIsBad) {
  for (const auto& [arguments, expected] :
       std::vector<std::pair<std::vector<std::string>, std::string>>{
           {{"-QUIET", "/Tool:C:\\A B\\E.exe", "/LOG:x.log"},
            "quiet tool=C:\\A B\\E.exe log=x.log "},
           {{"/tool:\"C:\\A B\\E.exe\""}, "tool=C:\\A B\\E.exe "},
           {{"-?", "/quiet"}, "quiet help "},
           {{"/s", "/quiet", "/x"}, "quiet bad:/s"},
           {{"quiet"}, "bad:quiet"},
           {{"/tool:"}, "bad:/tool:"},
           {{"/log:\"\""}, "bad:/log:\"\""},
           {{"/log"}, "bad:/log"},
           {{"/quiet:yes"}, "bad:/quiet:yes"},
           {{"/"}, "bad:/"},
           {{"/h"}, "bad:/h"},
           {{""}, "bad:\"\""}}) {
    EXPECT_EQ(Parsed(arguments), expected);
  }
}

// The usage goes to the console when there is one, else to a box, but never a box when quiet.
TEST_F(RunTest, UsageIsShownAndNothingRuns) {
  for (const auto& [arguments, console, exitCode, shown] :
       std::vector<std::tuple<std::vector<std::string>, bool, int, bool>>{
           {{"/?"}, false, 0, true},
           {{"/x"}, true, 87, true},
           {{"/quiet", "-x"}, false, 87, false}}) {
    host.console.clear();
    host.boxes.clear();
    EXPECT_EQ(Start(arguments, console), exitCode);
    for (const auto& box : host.boxes) host.console += box.prompt;
    EXPECT_EQ(host.console, shown ? UsageText() : "") << arguments.back();
    EXPECT_TRUE(host.dirCalls.empty());
  }
}

TEST_F(RunTest, QuietRunWritesSilentLinesAndTheLogAndShowsNothing) {
  AddRow(1);
  host.clipboard = "kept";
  EXPECT_EQ(Start({"/quiet", "/log:run.log"}), 0);
  const std::string tool = "\"" + kFirstCandidate + "\" /p:Desktop ";
  EXPECT_EQ(host.Contents(kFolder + "Register_Parcel_Numbering.bat"),
            tool + "\"C:\\Ext\\ParcelNum.dll\" /f:\"C:\\Ext\\ParcelNum.reg\" /s\r\n");
  EXPECT_EQ(host.Contents(kFolder + "Unregister_Parcel_Numbering.bat"),
            tool + "/u \"C:\\Ext\\ParcelNum.dll\" /s\r\n");
  EXPECT_EQ(host.console.rfind("------< BATCH FILES SUCCESSFULLY CREATED >", 0), 0u);
  EXPECT_EQ(host.Contents("run.log"), "\xEF\xBB\xBF" + host.console);
  EXPECT_TRUE(host.console.ends_with(kVersionBanner + kNl));

  host.failingListings = {{kFolder + "*.dll", 52}};  // the run ends early: the design text
  EXPECT_EQ(Start({"/quiet", "/log:run.log"}), 3);
  const std::string log = host.Contents("run.log");
  EXPECT_EQ(log.rfind("\xEF\xBB\xBFText1\r\n\r\nForm_Load Error in frmBatch Line : ", 0), 0u);
  EXPECT_TRUE(
      log.ends_with(".\r\nUse [Control]-V to paste this error information into your "
                    "email.\r\n"));
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(host.clipboard, "kept");  // the error report did not go there either
}

// The first code that applies wins: tool missing, failure reported, log not written, nothing
// present. The trapped failure is the rich-text check's, which comes after the tool is located.
TEST_F(RunTest, ExitCodeTakesTheFirstThatApplies) {
  struct Case {
    std::vector<std::string> arguments;
    bool row, tool, trapped, lockedLog;
    int exitCode;
  };
  for (const auto& c :
       std::vector<Case>{{{"/quiet", "/log:l"}, true, false, true, true, 2},
                         {{"/quiet", "/tool:C:\\Tools\\"}, true, true, false, false, 2},
                         {{"/quiet", "/log:l"}, true, true, true, true, 3},
                         {{"/quiet", "/log:l"}, false, true, false, true, 4},
                         {{"/quiet"}, false, true, false, false, 1},
                         {{"/quiet", "/tool:C:\\Tools\\R.exe"}, true, false, false, false, 0},
                         {{"/log:l"}, true, true, false, false, 0},
                         {{}, false, true, false, false, 0}}) {
    host = MemoryHost();
    host.AddFile("C:\\Tools\\R.exe");
    if (c.row) AddRow(1);
    if (c.tool) host.AddFile(kFirstCandidate);
    if (c.trapped) host.failingListings = {{"\\syswow64\\", 52}};  // WinDir is unset
    if (c.lockedLog) host.locked.insert("l");
    EXPECT_EQ(Start(c.arguments), c.exitCode) << c.arguments.size() << c.row << c.tool;
    EXPECT_EQ(host.locateDialogs, 0);
    // Only a quiet run prints its log: a window already shows the report.
    EXPECT_EQ(host.console.empty(), c.arguments.empty() || c.arguments[0] != "/quiet");
  }
}

}  // namespace
}  // namespace tarvic::test
