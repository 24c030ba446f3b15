#include "cli/ProgramRun.h"

namespace tarvic {

namespace {

// The main window of a quiet run: it holds the report and shows nothing.
class UnseenMainWindow : public MainWindowView {
 public:
  void SetTopmost() override {}
  double ScreenWidth() override { return 0; }
  double ScreenHeight() override { return 0; }
  double Width() override { return 0; }
  double Height() override { return 0; }
  double ScaleHeight() override { return 0; }
  void Move(double, double) override {}
  void SetHeight(double) override {}
  void Unload() override {}
  std::string ReportText() override { return text_; }
  void SetReportText(const std::string& text) override { text_ = text; }

 private:
  std::string text_ = "Text1";  // the report box's design text, kept when the run fails early
};

}  // namespace

std::string LogText(const std::string& reportBoxText,
                    const std::vector<std::string>& errorReports) {
  std::string text = "\xEF\xBB\xBF" + reportBoxText + "\r\n";
  for (const auto& report : errorReports) text += "\r\n" + report + "\r\n";
  return text;
}

ProgramRun::ProgramRun(Host& host) : ProgramRun(host, host.Arguments()) {}

ProgramRun::ProgramRun(Host& host, const std::vector<std::string>& arguments)
    : host_(host),
      withArguments_(!arguments.empty()),
      line_(ParseCommandLine(arguments)),
      logging_(host, line_.quiet),
      form_(logging_, RunOptions{line_.quiet, line_.toolPath}) {
  if (!line_.help && !line_.Bad()) return;
  done_ = true;
  exitCode_ = line_.Bad() ? exitcode::kBadCommandLine : exitcode::kDone;
  // The console when there is one; a box is for someone at the screen.
  if (!host_.PrintToConsole(UsageText()) && !line_.quiet) {
    host_.MsgBox(UsageText(), msgbox::kInformation, "Tarvic_Kit");
  }
}

int ProgramRun::RunQuiet() {
  UnseenMainWindow window;
  form_.Attach(&window);
  form_.Form_Load();
  form_.Attach(nullptr);
  return Finish(window.ReportText());
}

int ProgramRun::Finish(const std::string& reportBoxText) {
  if (!withArguments_) return exitcode::kDone;
  const std::string log = LogText(reportBoxText, logging_.ErrorReports());
  bool logWritten = true;
  if (line_.logFile) {
    try {
      host_.WriteBytesFile(*line_.logFile, log);
    } catch (const HostFailure&) {
      logWritten = false;  // the batch files are already written; the exit code tells
    }
  }
  if (line_.quiet) host_.PrintToConsole(log.substr(3));

  const RunOutcome& outcome = form_.Outcome();
  if (outcome.toolMissing) return exitcode::kToolNotFound;
  if (!logging_.ErrorReports().empty()) return exitcode::kFailureReported;
  if (!logWritten) return exitcode::kLogNotWritten;
  if (!outcome.anyCreated) return exitcode::kNoExtension;
  return exitcode::kDone;
}

}  // namespace tarvic
