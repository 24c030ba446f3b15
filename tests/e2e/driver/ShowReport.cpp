#include "ShowReport.h"

#include <windows.h>

#include <cstdio>

#include "App.h"
#include "ControlIds.h"
#include "Expected.h"
#include "Gui.h"
#include "Setup.h"

namespace {

void Print(std::string text) {
  std::string plain;
  for (char c : text) {
    if (c != '\r') plain += c;
  }
  std::fwrite(plain.data(), 1, plain.size(), stdout);
  std::fflush(stdout);
}

}  // namespace

int ShowReport(const std::string& exePath) {
  App app(exePath, "");
  if (!app.Started()) {
    Print("Could not start " + exePath + "\n");
    return 1;
  }
  HWND main = WaitShown(app.Pid(), TARVIC_BATCH_CLASS, kMainTitle);
  if (!main) {
    Print("The report window did not show.\n");
    return 1;
  }
  const std::string report = ItemText(main, IDC_TXTREPORT);
  Print(report + "\n");

  Click(main, IDC_CMDCOPY);
  std::string copied;
  for (int i = 0; i < 200 && (copied = ClipboardText()) != report; ++i) Sleep(10);
  Print(copied == report ? "\n(Copy to Clipboard: the clipboard holds the report.)\n"
                         : "\n(Copy to Clipboard: the clipboard does NOT hold the report.)\n");
  if (!AskHost("shot tarvic-kit-run")) Print("(No screenshot was taken.)\n");

  Click(main, IDC_CMDCLOSE);
  DWORD code = 1;
  if (!app.WaitExit(kGoneMs, code)) {
    Print("The program did not end after Close.\n");
    return 1;
  }
  return code == 0 && copied == report ? 0 : 1;
}
