#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest.h>

#include <cstdio>
#include <cstring>

#include "Kit.h"

namespace {

// For scripts/run.sh, outside any test case: prints a run's report, copies it, takes a
// screenshot and closes; the exit code tells whether the clipboard then held the report.
int ShowReport(const std::string& exe) {
  App app(exe);
  HWND main = nullptr;
  PollUntil(20000,
            [&] { return (main = VisibleWindow(app.Pid(), TARVIC_BATCH_CLASS)) != nullptr; });
  std::string report = main ? ItemText(main, IDC_TXTREPORT) : "The report window did not show.";
  EmptyTheClipboard();
  Click(main, IDC_CMDCOPY);
  const bool copied = main && ClipboardText(3000) == report;
  report += copied ? "\n\n(Copy to Clipboard: the clipboard holds the report.)\n"
                   : "\n\n(Copy to Clipboard: the clipboard does NOT hold the report.)\n";
  if (!AskHost("shot tarvic-kit-run")) report += "(No screenshot was taken.)\n";
  for (char c : report) {
    if (c != '\r') std::putchar(c);
  }
  Click(main, IDC_CMDCLOSE);
  return app.WaitExit() == 0 && copied ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--show") == 0) return ShowReport(argv[2]);
  return doctest::Context(argc, argv).run();
}
