#include <doctest.h>

#include "ControlIds.h"
#include "Expected.h"
#include "Files.h"
#include "Gui.h"
#include "Kit.h"

namespace {

std::string MissingControlWindows() {
  return FakeWindows("windows-without-control", FakeWindows::Control::Missing,
                     FakeWindows::Syswow64::WithFiles)
      .winDir;
}

void ExpectFreshDialog(HWND dialog) {
  CHECK(ItemText(dialog, IDC_TXTLOOKUPPATH).empty());
  CHECK_FALSE(ItemEnabled(dialog, IDC_CMDOK));
  CHECK(ItemEnabled(dialog, IDC_CMDCANCEL));
}

// Types a path, presses OK and returns the box that follows.
HWND SubmitPath(const App& app, HWND dialog, const std::string& path, const std::string& boxTitle) {
  Type(GetDlgItem(dialog, IDC_TXTLOOKUPPATH), path);
  CHECK(ItemText(dialog, IDC_TXTLOOKUPPATH) == path);
  REQUIRE(ItemEnabled(dialog, IDC_CMDOK));
  Click(dialog, IDC_CMDOK);
  REQUIRE(WaitGone(dialog));
  return MessageBoxTitled(app, boxTitle);
}

void ExpectGaveUp(App& app, const KitFolder& kit) {
  HWND main = MainWindowWithoutPrompts(app);
  // No batch files, and no rich-text alert although the control is missing.
  CHECK(ReportOf(main) == NotLocatedReport());
  CHECK(FilesStartingWith(kit.Path(), "Register_").empty());
  CHECK(FilesStartingWith(kit.Path(), "Unregister_").empty());
  CloseExpectingExit0(app, main);
}

}  // namespace

TEST_CASE("locate dialog: a missing path then another try then Cancel") {
  ToolPlaces noTools;
  KitFolder kit("locate-cancel");
  kit.AddRow(1);
  App app(kit.Exe(), MissingControlWindows());

  HWND dialog = LocateDialog(app);
  CHECK_FALSE(FindShown(app.Pid(), TARVIC_BATCH_CLASS, kMainTitle));
  CHECK(ItemText(dialog, IDC_TXTINSTRUCTIONS) == LocateInstructions());
  ExpectFreshDialog(dialog);
  HWND path = GetDlgItem(dialog, IDC_TXTLOOKUPPATH);
  Type(path, "x");
  CHECK(ItemEnabled(dialog, IDC_CMDOK));
  Type(path, "\b");
  CHECK_FALSE(ItemEnabled(dialog, IDC_CMDOK));

  const std::string missing = "C:\\No Such Folder\\ESRIRegAsm.exe";
  HWND problem = SubmitPath(app, dialog, missing, kProblemFindingTitle);
  CHECK(MessageText(problem) == ProblemFindingText(missing));
  Answer(problem, IDOK);

  dialog = LocateDialog(app);
  ExpectFreshDialog(dialog);
  Click(dialog, IDC_CMDCANCEL);
  HWND cancelled = MessageBoxTitled(app, kCancelledTitle);
  CHECK(MessageText(cancelled) == kNotSpecifiedText);
  Answer(cancelled, IDOK);
  ExpectGaveUp(app, kit);
}

TEST_CASE("locate dialog: a typed existing path is used as typed") {
  ToolPlaces noTools;
  const std::string toolFolder = WorkDir() + "\\typed-tool\\Esri Tools";
  MakeDirs(toolFolder);
  REQUIRE(CopyFileTo(StandinExe(), toolFolder + "\\ESRIRegAsm.exe"));
  // Another letter case than on disk: the file is found, and the text is kept as it is.
  const std::string typed = WorkDir() + "\\typed-tool\\esri tools\\esriregasm.EXE";
  KitFolder kit("locate-typed");
  kit.AddRow(1);
  App app(kit.Exe(), WindowsWithControl());

  TypeToolPath(app, typed);
  HWND main = MainWindowWithoutPrompts(app);
  CHECK(ReportOf(main) == SuccessReport(typed, kit.Path(), {1}, FoundIn(kit.Path())));
  const Row& row = CatalogueRow(1);
  CHECK(FileText(kit.Path() + row.unregisterBat) ==
        BatchFileBytes(UnregisterLine(typed, kit.Path(), row)));
  CloseExpectingExit0(app, main);
}

TEST_CASE("locate dialog: closing it or confirming the word Cancel gives up") {
  ToolPlaces noTools;
  enum class Leave { Close, SystemMenu, TypedCancel };
  for (const Leave leave : {Leave::Close, Leave::SystemMenu, Leave::TypedCancel}) {
    CAPTURE(static_cast<int>(leave));
    KitFolder kit("locate-close");
    kit.AddRow(1);
    App app(kit.Exe(), MissingControlWindows());
    HWND dialog = LocateDialog(app);
    HWND path = GetDlgItem(dialog, IDC_TXTLOOKUPPATH);
    if (leave == Leave::TypedCancel) {
      Type(path, "Cancel");
      Click(dialog, IDC_CMDOK);
    } else {
      Type(path, "C:\\typed but not confirmed.exe");
      if (leave == Leave::SystemMenu) {
        PostSysClose(dialog);
      } else {
        PostClose(dialog);
      }
    }
    HWND cancelled = MessageBoxTitled(app, kCancelledTitle);
    CHECK(MessageText(cancelled) == kNotSpecifiedText);
    Answer(cancelled, IDOK);
    ExpectGaveUp(app, kit);
  }
}

TEST_CASE("locate dialog: a folder path or a pattern is refused") {
  ToolPlaces noTools;
  // Both would match the tool in a plain listing; a batch file cannot call either.
  const std::string toolFolder = WorkDir() + "\\pattern-tool\\";
  MakeDirs(toolFolder);
  REQUIRE(CopyFileTo(StandinExe(), toolFolder + "ESRIRegAsm.exe"));
  KitFolder kit("locate-pattern");
  kit.AddRow(1);
  App app(kit.Exe(), MissingControlWindows());

  HWND problem = SubmitPath(app, LocateDialog(app), toolFolder, kProblemFindingTitle);
  CHECK(MessageText(problem) == ProblemFindingText(toolFolder));
  Answer(problem, IDOK);

  for (const std::string& pattern : {toolFolder + "ESRIRegAsm.e*", toolFolder + "ESRIRegAsm.ex?"}) {
    CAPTURE(pattern);
    problem = SubmitPath(app, LocateDialog(app), pattern, kProblemFindingTitle);
    CHECK(MessageText(problem) == ProblemFindingText(pattern));
    const bool last = pattern.back() == '?';
    // Cancel in the problem box gives up at once, without the "Operation Cancelled:" box.
    Answer(problem, last ? IDCANCEL : IDOK);
  }
  ExpectGaveUp(app, kit);
}

TEST_CASE("locate dialog: browsing opens in the program folder and picks the tool") {
  ToolPlaces noTools;
  KitFolder kit("locate-browse");
  kit.AddRow(1);
  REQUIRE(CopyFileTo(StandinExe(), kit.Path() + "ESRIRegAsm.exe"));
  App app(kit.Exe(), WindowsWithControl());

  HWND dialog = LocateDialog(app);
  Click(dialog, IDC_CMDSELLOOKUP);
  HWND open = WaitShown(app.Pid(), kMessageBoxClass, "Select ESRIRegAsm.exe:");
  REQUIRE_MESSAGE(open, "the file-open dialog did not show");
  // A bare name is taken from the folder the dialog opened in: the program's own.
  const int kFileNameBox = 0x47C;  // the dialog's file-name combo box
  HWND fileName = GetDlgItem(open, kFileNameBox);
  REQUIRE(fileName);
  SendWithin(fileName, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"ESRIRegAsm.exe"));
  PostMessageW(open, WM_COMMAND, IDOK, 0);
  REQUIRE(WaitGone(open));

  const std::string picked = kit.Path() + "ESRIRegAsm.exe";
  CHECK(ItemText(dialog, IDC_TXTLOOKUPPATH) == picked);
  CHECK(ItemEnabled(dialog, IDC_CMDOK));
  const auto selection =
      static_cast<DWORD>(SendWithin(GetDlgItem(dialog, IDC_TXTLOOKUPPATH), EM_GETSEL, 0, 0));
  CHECK(LOWORD(selection) == picked.size());  // the caret after the last character
  Click(dialog, IDC_CMDOK);
  REQUIRE(WaitGone(dialog));
  HWND main = MainWindowWithoutPrompts(app);
  CHECK(ReportOf(main) == SuccessReport(picked, kit.Path(), {1}, FoundIn(kit.Path())));
  CloseExpectingExit0(app, main);
}
