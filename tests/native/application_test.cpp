#include "RunFixture.h"
#include "app/CommandLine.h"
#include "batch/Registration.h"
#include "errors/ErrorTrap.h"
#include "host/ConsolePieces.h"

namespace tarvic::test {
namespace {

const std::string kUsage =
    "Usage: Tarvic_Kit.exe [/quiet] [/register | /unregister] [/tool:PATH]\r\n"
    "                      [/log:FILE] [/?]\r\n"
    "\r\n"
    "  /quiet      Run without any window, dialog, message box or clipboard. The batch\r\n"
    "              files call ESRIRegAsm.exe with /s, so that it shows no box either.\r\n"
    "  /register   Then register each extension whose batch files were written, with\r\n"
    "              ESRIRegAsm.exe, one after another; needs \"Run as administrator\".\r\n"
    "  /unregister The same, unregistering them.\r\n"
    "  /tool:PATH  Use ESRIRegAsm.exe at PATH (fully qualified; quoted when it holds\r\n"
    "              spaces) instead of looking for it.\r\n"
    "  /log:FILE   Write the report and any error reports to FILE (UTF-8).\r\n"
    "  /?          Show this text.\r\n"
    "\r\n"
    "Exit codes, the first that applies:\r\n"
    "  87   bad command line; nothing was run\r\n"
    "  1618 another run of this folder is in progress; nothing was done\r\n"
    "  2    ESRIRegAsm.exe not found\r\n"
    "  740  /register or /unregister without administrator rights; nothing was run\r\n"
    "  1625 /register or /unregister from files that others can change; nothing\r\n"
    "       was run\r\n"
    "  3    a failure was reported, or a batch file was missing after its write;\r\n"
    "       the log says which, if it could be written\r\n"
    "  1603 a registration failed, timed out or was not run\r\n"
    "  4    the log could not be written\r\n"
    "  1    no extension present\r\n"
    "  0    batch files written for every extension present (and each one\r\n"
    "       registered or unregistered, when asked)\r\n";

const std::string kListingFailed = "52\r\nDescription: Listing failed";

std::string Parsed(const std::vector<std::string>& arguments) {
  const CommandLine line = ParseCommandLine(arguments);
  return std::string(line.quiet ? "quiet " : "") + (line.help ? "help " : "") +
         (line.toolPath ? "tool=" + *line.toolPath + " " : "") +
         (line.logFile ? "log=" + *line.logFile + " " : "") +
         (line.registration == RegistrationKind::Register ? "register " : "") +
         (line.registration == RegistrationKind::Unregister ? "unregister " : "") +
         (line.Bad() ? "bad:" + line.badArgument : "");
}

TEST(CommandLine, SwitchesAreCaseInsensitiveAndAnythingElseIsBad) {
  for (const auto& [arguments, expected] :
       std::vector<std::pair<std::vector<std::string>, std::string>>{
           {{"-QUIET", "/Tool:C:\\A B\\E.exe", "/LOG:x.log"},
            "quiet tool=C:\\A B\\E.exe log=x.log "},
           {{"/tool:\"C:\\A B\\E.exe\""}, "tool=C:\\A B\\E.exe "},
           {{"-?", "/quiet"}, "quiet help "},
           {{"/REGISTER", "-register"}, "register "},
           {{"/unregister", "/register"}, "unregister bad:/register"},
           {{"/s", "/quiet", "/x"}, "quiet bad:/s"},
           {{"quiet"}, "bad:quiet"},
           {{"/log:\"\""}, "bad:/log:\"\""},
           // A backslash escaped the closing quote: the switches after it are in the value.
           {{"/log:C:\\Logs\" /quiet"}, "quiet bad:/log:C:\\Logs\" /quiet"},
           {{"/tool:C:\\T\"  -QuieT /x", "/log:l"}, "quiet log=l bad:/tool:C:\\T\"  -QuieT /x"},
           {{"/log:C:\\a /quiet\"", "a\"/quiet2"}, "bad:/log:C:\\a /quiet\""},
           {{"/log"}, "bad:/log"},
           {{"/quiet:yes"}, "bad:/quiet:yes"},
           {{""}, "bad:\"\""}}) {
    EXPECT_EQ(Parsed(arguments), expected) << arguments.front();
  }
}

// The usage goes to the console when there is one, else to a box, but never a box when quiet.
TEST_F(CommandLineRun, UsageGoesToTheConsoleOrABox) {
  int taken = 0;  // before the box; a quiet run takes nothing, as it shows nothing
  desktop.takingShowCommand = [&] { taken += host.boxes.empty() ? 1 : 100; };
  for (const auto& [arguments, console, exitCode, shown] :
       std::vector<std::tuple<std::vector<std::string>, bool, int, std::string>>{
           {{"/?"}, false, 0, "Tarvic_Kit|64|" + kUsage},
           {{"/x"}, true, 87, "Not understood: /x\r\n\r\n" + kUsage},
           {{"/log:C:\\Logs\" /quiet"}, false, 87, ""}}) {
    host = MemoryHost();
    EXPECT_EQ(Start(arguments, console), exitCode);
    for (const auto& box : host.boxes) host.console += box;
    EXPECT_EQ(host.console, shown) << arguments.back();
  }
  EXPECT_EQ(taken, 2);
}

TEST_F(LogAndExitCode, QuietRunWritesSilentLinesAndTheLogAndShowsNothing) {
  AddRow(1);
  host.clipboard = "kept";
  host.WriteBytesFile("C:\\Start\\run.log", std::string(100000, 'x'));  // replaced whole
  EXPECT_EQ(Start({"/quiet", "/log:run.log"}), 0);
  EXPECT_TRUE(host.Contents(kFolder + "Register_Parcel_Numbering.bat").ends_with(" /s\r\n"));
  EXPECT_TRUE(host.Contents(kFolder + "Unregister_Parcel_Numbering.bat").ends_with(" /s\r\n"));
  EXPECT_EQ(host.Contents("C:\\Start\\run.log"), kBom + host.console);
  EXPECT_EQ(host.console, Run() + kNl);  // the report a window would show

  host.failingListings = {{kFolder + "*.dll", 52}};  // the run ends early: the design text
  EXPECT_EQ(Start({"/quiet", "/log:run.log"}), 3);
  EXPECT_EQ(host.Contents("C:\\Start\\run.log"),
            kBom + "Text1\r\n\r\n" +
                Report("Form_Load Error in frmBatch Line : 200", kListingFailed, true) + kNl);
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(host.clipboard, "kept");  // the error report did not go there either
}

// Every report reaches the log and the exit code, wherever it is raised: in the load handler,
// in the locate dialog, or by a button pressed once the window shows, which is appended. The
// log's path was fixed before the dialog moved the current folder.
TEST_F(LogAndExitCode, WindowedLogHoldsEveryReportFromEachSource) {
  const std::string copyFailed = Report("cmdCopy_Click Error in frmBatch Line : 20",
                                        "521\r\nDescription: Can't open Clipboard", false);
  AddRow(1);
  std::string logWhenShown;
  desktop.window.whileShown = [&] {
    logWhenShown = host.Contents("C:\\Start\\run.log");
    host.clipboardFails = true;
    desktop.form->cmdCopy_Click();
  };
  EXPECT_EQ(Start({"/log:run.log"}), 3);
  EXPECT_EQ(logWhenShown, kBom + desktop.window.reportText + kNl);
  EXPECT_EQ(host.Contents("C:\\Start\\run.log"), logWhenShown + kNl + copyFailed + kNl);
  EXPECT_EQ(host.boxes.size(), 1u);  // the busy clipboard did not hide the report

  host = MemoryHost();  // no tool: the dialog opens, and its Browse fails
  AddRow(1);
  host.AddFile("C:\\Tools\\R.exe");
  host.openFails = true;
  desktop.locateAnswers = {"C:\\Tools\\R.exe"};
  desktop.inDialog = [&](frmFindFile& dialog) {
    dialog.cmdSelLookup_Click();
    host.currentFolder = "C:\\Elsewhere\\";
  };
  host.failingListings = {{"\\syswow64\\", 52}};  // WinDir is unset: the load handler fails
  desktop.window.whileShown = [] {};
  EXPECT_EQ(Start({"/log:run.log"}), 3);
  EXPECT_EQ(host.Contents("C:\\Start\\run.log"),
            kBom + desktop.window.reportText + kNl + kNl +
                Report("cmdSelLookup_Click Error in frmFindFile Line : 20",
                       "-2147221164\r\nDescription: Class not registered", false) +
                kNl + kNl +
                Report("Form_Load Error in frmBatch Line : 500", kListingFailed, false) + kNl);
  EXPECT_EQ(host.boxes.size(), 2u);
}

// Before any window of ours exists: the log is written, then the box that always told it shows.
TEST_F(LogAndExitCode, AMainWindowThatCannotBeCreatedIsAFailureLoggedBeforeItsBox) {
  const std::string why = "Can't create a window: no more handles", log = "C:\\Start\\run.log";
  desktop.openFails = true;
  host.WriteBytesFile(log, "older");
  std::string logWhenBoxShows;
  host.whileBoxShows = [&] { logWhenBoxShows = host.Contents(log); };
  EXPECT_EQ(Start({"/log:run.log"}), 3);
  EXPECT_EQ(host.boxes, std::vector({"Tarvic_Kit|16|" + why}));
  EXPECT_EQ(
      logWhenBoxShows,
      kBom + Report("Form_Load Error in frmBatch Line : 50", "1158\r\nDescription: " + why, true) +
          kNl);
  EXPECT_EQ(Start({}), 0);
}

// A file that refuses the log for a while gets all it missed with the next piece.
TEST_F(LogAndExitCode, LogTextRefusedIsWrittenWithTheNextPiece) {
  AddRow(1);
  host.locked = {"C:\\Start\\run.log"};  // while the report is written
  host.whileProgramRuns = [&] { host.locked.clear(); };
  EXPECT_EQ(Start({"/quiet", "/register", "/log:run.log"}), 0);
  EXPECT_EQ(host.Contents("C:\\Start\\run.log"), kBom + host.console);
  host.locked = {"C:\\Start\\run.log"};  // till the window closes: the run's end tries again
  desktop.window.whileShown = [&] { host.locked.clear(); };
  EXPECT_EQ(Start({"/log:run.log"}), 0);
  EXPECT_EQ(host.Contents("C:\\Start\\run.log"), kBom + desktop.window.reportText + kNl);
}

// The whole order, 87 > 1618 > 2 > 740 > 1625 > 3 > 1603 > 4 > 1 > 0: each row also meets every
// condition after its own. The trapped failure is the second row's batch file, which cannot be
// written.
TEST_F(LogAndExitCode, ExitCodeTakesTheFirstThatApplies) {
  // What each row is given (held: another run holds the folder); kLater: what 3, 1603 and 4 need.
  enum : unsigned { kRow = 1, kTool = 2, kAdmin = 4, kUnsafe = 8, kTrapped = 16, kFails = 32 };
  enum : unsigned { kLockedLog = 64, kHeld = 128, kLater = kRow | kTrapped | kFails | kLockedLog };
  const std::vector<std::string> reg = {"/quiet", "/register", "/log:l"};
  const std::vector<std::string> bad = {"/quiet", "/register", "/x", "/log:l"};
  struct Case {
    const char* wins;
    std::vector<std::string> arguments;
    unsigned given;
    int exitCode;
  };
  for (const auto& [wins, arguments, given, exitCode] : std::vector<Case>{
           {"bad line", bad, kHeld | kLater, 87},
           {"another run", reg, kHeld | kLater, 1618},
           {"no tool", reg, kLater, 2},
           {"typed tool no file", {"/quiet", "/tool:C:\\Tools\\"}, kRow | kTool | kAdmin, 2},
           {"no administrator", reg, kTool | kUnsafe | kLater, 740},
           {"others can change", reg, kTool | kAdmin | kUnsafe | kLater, 1625},
           {"no row, no refusal", reg, kTool, 1},
           {"trapped failure", reg, kTool | kAdmin | kLater, 3},
           {"failed registration", reg, kRow | kTool | kAdmin | kFails | kLockedLog, 1603},
           {"log not written", {"/quiet", "/log:l"}, kTool | kAdmin | kLockedLog, 4},
           {"nothing present", {"/quiet"}, kTool | kAdmin, 1},
           {"typed tool", {"/quiet", "/tool:C:\\Tools\\R.exe"}, kRow | kAdmin, 0},
           {"windowed", {"/log:l"}, kRow | kTool | kAdmin, 0},
           {"no arguments", {}, kTool | kAdmin, 0}}) {
    SCOPED_TRACE(wins);
    host = MemoryHost();
    host.AddFile("C:\\Tools\\R.exe");
    desktop.locateAnswers = {"C:\\Tools\\R.exe"};  // a dialog shown by mistake would find the tool
    if (given & kRow) AddRow(1);
    if (given & kTool) host.AddFile(kFirstCandidate);
    host.administrator = given & kAdmin;
    if (given & kTrapped) {
      AddRow(2);
      host.locked.insert(kFolder + "Register_Survey_Point_Import.bat");
    }
    if (given & kFails)
      host.programAnswers["ParcelNum.dll"] = {ProgramResult::Ending::Exited, 1, ""};
    if (given & kLockedLog) host.locked.insert("C:\\Start\\l");
    if (given & kUnsafe) host.descriptors["C:\\Ext"] = "O:BUD:";
    if (given & kHeld) host.lockRefusal = 32;
    EXPECT_EQ(Start(arguments), exitCode);
    // Only a quiet run prints its log: a window already shows the report.
    EXPECT_EQ(host.console.empty(), arguments.empty() || arguments[0] != "/quiet");
  }
}

// Before any numbered line: the location ends in the blank after the form. (The last line
// reached is what every other report pins.)
TEST_F(LogAndExitCode, ErrorTrapReportsTheExactMessageOnceInABoxAndOnTheClipboard) {
  ErrorTrap trap(screen.errors, "Form_Load ", "Error in frmBatch");
  trap.Run([] { throw HostFailure(-5, ""); });
  const std::string message = Report("Form_Load Error in frmBatch ", "-5\r\nDescription: ", false);
  EXPECT_EQ(host.boxes, std::vector({"Problem Making Batch Files:|48|" + message}));
  EXPECT_EQ(host.clipboard, message);
}

// A console like that of Windows XP, which refuses any single write above 8,000 characters;
// a piece ending in the first half of a surrogate pair would print as two broken characters.
TEST(ConsolePieces, ALongTextArrivesWholeInPiecesTheConsoleTakes) {
  const std::u16string text =
      std::u16string(7999, u'a') + u"\U0001F600" + std::u16string(16001, u'b');
  std::u16string shown;
  WriteInConsolePieces(std::u16string_view(text), [&](std::u16string_view piece) {
    if (piece.size() > 8000 || (piece.back() >= 0xD800 && piece.back() <= 0xDBFF)) return false;
    shown += piece;
    return true;
  });
  EXPECT_EQ(shown, text);
}

using Ending = ProgramResult::Ending;

// Stopped while the ninth call runs: it ends, the tenth never starts. That each line arrives
// as its call ends, and Close stops the rest, is the real window's to show (e2e).
TEST(Registration, TellsEachOutcomeAsItsCallEnds) {
  MemoryHost host;
  host.programAnswers = {
      {"PointImport.dll", {Ending::Exited, 1, ""}},
      {"road_checker.dll", {Ending::Exited, 0x80000000, ""}},
      {"WellLogs.dll", {Ending::Exited, 0x8007000E, ""}},
      {"NoiseBuffer.dll", {Ending::NotStarted, 193, "T.exe is not a valid Win32 application."}},
      {"SnowGrid.dll", {Ending::TimedOut, 0, ""}},
      {"Bridge_data2.dll", {Ending::ExitCodeUnknown, 5, "Access is denied."}},
      {"PellmarGrid.dll", {Ending::WaitFailed, 6, "The handle is invalid."}}};
  std::string text;
  const auto& catalogue = ExtensionCatalogue();
  RunRegistrations(
      host, RegistrationKind::Register, "C:\\T.exe", kFolder, {},
      {catalogue.begin(), catalogue.begin() + 10}, [&] { return host.programCalls.size() >= 9; },
      [&](const std::string& piece) { text += piece; });
  const std::string lines =
      "  --> Parcel Numbering Tools: registered\r\n"
      "  --> Survey Point Import: FAILED (ESRIRegAsm.exe exit code 1)\r\n"
      "  --> Field Crew Scheduler: registered\r\n"
      "  --> Road Centreline Checker: FAILED (ESRIRegAsm.exe exit code 2147483648 / 0x80000000)\r\n"
      "  --> Well Log Viewer: FAILED (ESRIRegAsm.exe exit code 2147942414 / 0x8007000E)\r\n"
      "  --> Noise Buffer Tools: FAILED (could not start: 193 T.exe is not a valid Win32 "
      "application.)\r\n"
      "  --> Snow Depth Gridder: FAILED (no answer after 5 minutes; ended)\r\n"
      "  --> Bridge Index: FAILED (exit code unknown: 5 Access is denied.)\r\n"
      "  --> Pellmar Label Grid: FAILED (waiting failed: 6 The handle is invalid.)\r\n"
      "  --> Pipeline Valve Tools: not run\r\n\r\n2 of 10 registered.";
  EXPECT_EQ(text, kHead + lines);
  EXPECT_EQ(host.programTimeouts, std::set<std::uint32_t>{300000});
}

// Only another run's hold (32, 33) stops a start, before it writes or calls anything. A run holds
// the lock through its last tool call and log write, not while its report or the locate dialog
// waits; taken by another run meanwhile, it ends as a second start does.
TEST_F(OneRunPerFolder, TheLockStopsOtherStartsOnlyWhileARunWorks) {
  const std::string another =
      "Tarvic_Kit.exe is already running for this folder; nothing was done.";
  for (const auto& [refusal, exitCode] :
       std::vector<std::pair<std::uint32_t, int>>{{32, 1618}, {33, 1618}, {5, 0}, {19, 0}}) {
    SCOPED_TRACE(refusal);
    host = MemoryHost();
    AddRow(1);
    host.AddFile(kFirstCandidate);
    host.lockRefusal = refusal;
    EXPECT_EQ(Start({"/quiet", "/register", "/log:l"}), exitCode);
    const auto done = std::tuple(host.BatchFiles().size(), host.programCalls.size(),
                                 host.Contents("C:\\Start\\l").empty());
    EXPECT_EQ(done, exitCode ? std::tuple(0u, 0u, true) : std::tuple(2u, 1u, false));
    EXPECT_EQ(host.console == another + kNl, exitCode != 0);
  }
  std::vector<std::string> held;
  host.lockRefusal = 0;
  host.whileProgramRuns = [&] { held.push_back(host.lockHeld); };
  desktop.window.whileShown = [&] { held.push_back(host.lockHeld); };
  EXPECT_EQ(Start({"/register", "/log:run.log"}), 0);
  EXPECT_EQ(held, std::vector<std::string>({kFolder + "Tarvic_Kit.lock", ""}));

  host = MemoryHost();
  AddRow(1);
  host.AddFile("C:\\Tools\\R.exe");
  desktop.locateAnswers = {"C:\\Tools\\R.exe"};
  desktop.inDialog = [&](frmFindFile&) { held.push_back(host.lockHeld), host.lockRefusal = 33; };
  EXPECT_EQ(Start({"/log:run.log"}), 1618);
  EXPECT_EQ(held.back(), "");
  EXPECT_EQ(host.boxes, std::vector({"Tarvic_Kit|64|" + another}));
  EXPECT_TRUE(host.BatchFiles().empty() && host.Contents("C:\\Start\\run.log").empty());
}

// Nothing written, nothing registered: no call and no section, not even a refusal.
TEST_F(RegistrationRun, NothingWrittenRegistersNothing) {
  AddRow(1);
  host.locked.insert(kFolder + "Register_Parcel_Numbering.bat");
  EXPECT_EQ(Start({"/quiet", "/register"}), 3);
  EXPECT_TRUE(host.programCalls.empty());
  EXPECT_EQ(host.console.find("REGISTRATION"), std::string::npos);
}

}  // namespace
}  // namespace tarvic::test
