#include <cstdio>

#include "ControlIds.h"
#include "Driver.h"

int ShowReport(const std::string& exePath) {
  App app(exePath);
  HWND main = WaitShown(app.Pid(), TARVIC_BATCH_CLASS);
  std::string report = main ? ItemText(main, IDC_TXTREPORT) : "The report window did not show.";
  EmptyTheClipboard();
  Click(main, IDC_CMDCOPY);
  const bool copied = main && ClipboardChangedFrom("") == report;
  report += copied ? "\n\n(Copy to Clipboard: the clipboard holds the report.)\n"
                   : "\n\n(Copy to Clipboard: the clipboard does NOT hold the report.)\n";
  if (!AskHost("shot tarvic-kit-run")) report += "(No screenshot was taken.)\n";
  for (char c : report) {
    if (c != '\r') std::putchar(c);
  }
  Click(main, IDC_CMDCLOSE);
  return app.WaitExit() == 0 && copied ? 0 : 1;
}
