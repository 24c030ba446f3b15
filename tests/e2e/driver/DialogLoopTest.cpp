#include <doctest.h>

#include "Kit.h"

TEST_CASE("locate dialog: retry then browse then give up") {
  KitFolder kit("dialog-loop");
  WriteBytes(kit.path + "ESRIRegAsm.exe", FileText(kStandinExe));
  // Started from another folder, as from a shortcut, and with the file dialog's memory of the
  // last folder per program cleared: it must open in the program folder of its own accord.
  RegDeleteKeyW(
      HKEY_CURRENT_USER,
      L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedMRU");
  App app(kit.Exe(), "", kit.path + "..");

  HWND dialog = Shown(app, TARVIC_FINDFILE_CLASS);
  TypeToolPath(app, kit.path + "No Such Tool.exe");
  Press(Shown(app, kDialogClass), IDOK);  // the problem box: OK asks again, in a fresh dialog
  dialog = Shown(app, TARVIC_FINDFILE_CLASS);
  CHECK(ItemText(dialog, IDC_TXTLOOKUPPATH) == "");

  Click(dialog, IDC_CMDSELLOOKUP);
  HWND open = Shown(app, kDialogClass);
  // A bare name is taken from the folder the file dialog opened in.
  const int kFileNameBox = 0x47C;
  SendWithin(GetDlgItem(open, kFileNameBox), WM_SETTEXT, 0,
             reinterpret_cast<LPARAM>(L"ESRIRegAsm.exe"));
  Press(open, IDOK);
  const std::string picked = kit.path + "ESRIRegAsm.exe";
  CHECK(ItemText(dialog, IDC_TXTLOOKUPPATH) == picked);
  const LRESULT selection = SendWithin(GetDlgItem(dialog, IDC_TXTLOOKUPPATH), EM_GETSEL, 0, 0);
  CHECK(LOWORD(selection) == picked.size());  // the caret after the last character

  // The close box gives up, whatever the path box holds.
  PostMessageW(dialog, WM_CLOSE, 0, 0);
  Press(Shown(app, kDialogClass), IDOK);
  HWND main = Shown(app, TARVIC_BATCH_CLASS);
  CHECK(BatchFilesIn(kit.path) == "");
  CloseExpectingExit0(app, main);
}

// Run with DLLs named like system ones beside the program, the test above fails if one loads: it
// leaves a mark and ends the process with its own exit code (see planted/MarkOnLoad.cpp). This
// shows that it does, with a build that leaves the door open on purpose.
TEST_CASE("planted DLLs: a build without the preload loads uxtheme.dll") {
  KitFolder kit("planted");
  App app(kit.Exe());
  CHECK(app.WaitExit(20000) == 0xD11);
  CHECK(FilesIn(kit.path, "*.loaded").contains("uxtheme.dll.loaded"));
}
