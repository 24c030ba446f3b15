#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest.h>

#include <cstdio>
#include <cstring>

#include "Kit.h"

namespace {

// For scripts/run.sh, outside any test case: prints a run's report, copies it, takes a
// screenshot and closes; exits with 0 when the clipboard then held the report.
int ShowReport(const std::string& exe) {
  App app(exe);
  HWND main = nullptr;
  PollUntil(20000,
            [&] { return (main = VisibleWindow(app.info.dwProcessId, TARVIC_BATCH_CLASS)); });
  std::string report = ItemText(main, IDC_TXTREPORT);
  EmptyTheClipboard();
  Click(main, IDC_CMDCOPY);
  const bool copied = main && ClipboardText(3000) == report;
  report += copied ? "\n\n(Copy to Clipboard: the clipboard holds the report.)\n"
                   : "\n\n(Copy to Clipboard: the clipboard does NOT hold the report.)\n";
  if (!AskHost("shot tarvic-kit-run")) report += "(No screenshot was taken.)\n";
  std::erase(report, '\r');
  std::fputs(report.c_str(), stdout);
  Click(main, IDC_CMDCLOSE);
  return app.WaitExit() == 0 && copied ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--show") == 0) return ShowReport(argv[2]);
  return doctest::Context(argc, argv).run();
}
