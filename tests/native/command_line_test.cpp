#include "RunFixture.h"

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
TEST_F(RunTest, UsageGoesToTheConsoleOrABox) {
  for (const auto& [arguments, console, exitCode, shown] :
       std::vector<std::tuple<std::vector<std::string>, bool, int, std::string>>{
           {{"/?"}, false, 0, "Tarvic_Kit|64|" + UsageText()},
           {{"/x"}, true, 87, UsageText()},
           {{"/quiet", "-x"}, false, 87, ""}}) {
    host = MemoryHost();
    EXPECT_EQ(Start(arguments, console), exitCode);
    for (const auto& box : host.boxes) host.console += box;
    EXPECT_EQ(host.console, shown) << arguments.back();
  }
}

TEST_F(RunTest, QuietRunWritesSilentLinesAndTheLogAndShowsNothing) {
  AddRow(1);
  host.clipboard = "kept";
  EXPECT_EQ(Start({"/quiet", "/log:run.log"}), 0);
  EXPECT_TRUE(host.Contents(kFolder + "Register_Parcel_Numbering.bat").ends_with(" /s\r\n"));
  EXPECT_TRUE(host.Contents(kFolder + "Unregister_Parcel_Numbering.bat").ends_with(" /s\r\n"));
  EXPECT_EQ(host.Contents("run.log"), "\xEF\xBB\xBF" + host.console);
  EXPECT_EQ(host.console, Run() + kNl);  // the report a window would show

  host.failingListings = {{kFolder + "*.dll", 52}};  // the run ends early: the design text
  EXPECT_EQ(Start({"/quiet", "/log:run.log"}), 3);
  const std::string at = "Form_Load Error in frmBatch Line : 200";
  EXPECT_EQ(host.Contents("run.log"), "\xEF\xBB\xBFText1" + kNl + kNl +
                                          ErrorMessageText(host, at, 52, "Listing failed") + kNl);
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
    host.locateAnswers = {"C:\\Tools\\R.exe"};  // a dialog shown by mistake would find the tool
    if (c.row) AddRow(1);
    if (c.tool) host.AddFile(kFirstCandidate);
    if (c.trapped) host.failingListings = {{"\\syswow64\\", 52}};  // WinDir is unset
    if (c.lockedLog) host.locked.insert("l");
    EXPECT_EQ(Start(c.arguments), c.exitCode) << c.arguments.size() << c.row << c.tool;
    // Only a quiet run prints its log: a window already shows the report.
    EXPECT_EQ(host.console.empty(), c.arguments.empty() || c.arguments[0] != "/quiet");
  }
}

}  // namespace
}  // namespace tarvic::test
