#include <doctest.h>

#include "Kit.h"

// Started from another folder with a relative log, the file dialog's last-folder memory cleared:
// it opens in the program folder by itself. Browse moves the current folder, yet the log lands
// where the run started: resolved against the start folder, which the native tests fix at start.
TEST_CASE("locate dialog: retry then browse; the log lands where the run started") {
  KitFolder here("log start", {});
  KitFolder kit("dialog-loop");
  WriteBytes(kit.path + "ESRIRegAsm.exe", FileText(kStandinExe));
  RegDeleteKeyW(
      HKEY_CURRENT_USER,
      L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedMRU");
  App app(kit.Exe(), "/log:run.log", here.path);

  TypeToolPath(app, kit.path + "No Such Tool.exe");
  Press(Shown(app, kDialogClass), IDOK);  // the problem box: OK asks again, in a fresh dialog
  HWND dialog = Shown(app, TARVIC_FINDFILE_CLASS);

  Click(dialog, IDC_CMDSELLOOKUP);
  HWND open = Shown(app, kDialogClass);
  // A bare name is taken from the folder the file dialog opened in.
  SendWithin(GetDlgItem(open, 0x47C), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"ESRIRegAsm.exe"));
  Press(open, IDOK);
  const std::string picked = kit.path + "ESRIRegAsm.exe";
  CHECK(ItemText(dialog, IDC_TXTLOOKUPPATH) == picked);
  const LRESULT selection = SendWithin(GetDlgItem(dialog, IDC_TXTLOOKUPPATH), EM_GETSEL, 0, 0);
  CHECK(LOWORD(selection) == picked.size());  // the caret after the last character
  Press(dialog, IDC_CMDOK);

  HWND main = Shown(app, TARVIC_BATCH_CLASS);
  const std::string report = ItemText(main, IDC_TXTREPORT);
  CHECK(FileText(here.path + "run.log") == "\xEF\xBB\xBF" + report + "\r\n");
  CloseExpectingExit0(app, main);
}

// The planted-DLL runs' negative control: a build that leaves the door open.
TEST_CASE("planted DLLs: a build without the preload loads uxtheme.dll") {
  KitFolder kit("planted");
  App app(kit.Exe());
  CHECK(app.WaitExit(20000) == 0xD11);
  CHECK(FilesIn(kit.path, "*.loaded").contains("uxtheme.dll.loaded"));
}
