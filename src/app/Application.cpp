#include "app/Application.h"

#include "app/Channels.h"
#include "app/CommandLine.h"
#include "app/ExitCodes.h"
#include "app/RunGuard.h"
#include "app/RunLog.h"
#include "host/Host.h"
#include "text/TextLines.h"
#include "ui/frmBatch.h"

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

// The usage, asked for or after a bad line: in the console the program was started from, else
// in a box, which a quiet run never shows.
int ShowUsage(Host& host, const CommandLine& line, RunChannelSet& chosen) {
  const std::string text = line.Bad() ? BadCommandLineText(line.badArgument) : UsageText();
  if (!host.PrintToConsole(text)) chosen.Boxes().Show(text, msgbox::kInformation, "Tarvic_Kit");
  return line.Bad() ? exitcode::kBadCommandLine : exitcode::kDone;
}

// A start while another run holds the folder does nothing and writes nothing; it says so on the
// console of a quiet run, in a box at a screen.
int AnotherRunHoldsTheFolder(Host& host, RunChannelSet& chosen, bool noArguments) {
  const std::string text(kAnotherRunText);
  if (chosen.Quiet()) host.PrintToConsole(text + kCrLf);
  try {
    chosen.Boxes().Show(text, msgbox::kInformation, "Tarvic_Kit");
  } catch (const HostFailure&) {
  }
  return noArguments ? exitcode::kDone : exitcode::kAnotherRun;
}

// Fixed as the command line is read: a file dialog moves the current folder later on.
std::optional<std::string> LogPath(Host& host, const CommandLine& line) {
  if (!line.logFile) return std::nullopt;
  return host.FullPathName(*line.logFile);
}

// After the run, when asked for, and only when batch files were written: nothing written, nothing
// registered, not even a refusal. Each piece of the section goes to the report box, while the
// window is open, and to the log as its call ends. Closing the window starts no further call.
// `running` names the entry whose call has not ended yet.
std::optional<RegistrationTally> Register(Host& host, const CommandLine& line,
                                          const RunOutcome& outcome, RunLog& log,
                                          ShownMainWindow* window, const ExtensionEntry*& running) {
  if (!line.registration || outcome.toolMissing || outcome.written.empty()) return std::nullopt;
  std::size_t asked = 0;  // the question comes before each entry, in turn
  return RunRegistrations(
      host, *line.registration, outcome.regAsmPath, outcome.programFolder, outcome.scannedFiles,
      outcome.written,
      [&] {
        const bool stop = window != nullptr && !window->IsOpen();
        running = stop ? nullptr : &outcome.written.at(asked);
        ++asked;
        return stop;
      },
      [&](const std::string& piece) {
        // A piece comes once its call has ended: a sign-out while the log takes it ends no call.
        running = nullptr;
        if (window != nullptr && window->IsOpen()) window->AppendReportText(piece);
        log.ExtendReport(SectionPieceLines(piece));
      });
}

// The window that cannot be made leaves only its error report: in the log, written before the
// box shows (it waits for the user), then in the box that always told it.
int WindowNotCreated(Host& host, frmBatch& form, const HostFailure& failure, RunLog& log,
                     bool withArguments) {
  QuietErrorSink logOnly(host, log);  // no window of ours exists to own a warning box
  form.ReportWindowNotCreated(failure, logOnly);
  log.WriteWithoutReport();
  try {
    host.MsgBox(failure.Description(), msgbox::kError, "Tarvic_Kit");
  } catch (...) {
  }
  return withArguments ? exitcode::kFailureReported : exitcode::kDone;
}

int ExitCode(const RunOutcome& outcome, const std::optional<RegistrationTally>& registration,
             const CountedErrorSink& errors, const RunLog& log) {
  if (outcome.toolMissing) return exitcode::kToolNotFound;
  if (registration && registration->refused) return exitcode::kElevationRequired;
  if (registration && registration->othersCanChange) return exitcode::kForbiddenByPolicy;
  if (errors.Count() > 0 || outcome.missingAfterWrite) return exitcode::kFailureReported;
  if (registration && registration->succeeded < registration->total) {
    return exitcode::kRegistrationFailed;
  }
  if (log.WriteFailed()) return exitcode::kLogNotWritten;
  if (!outcome.anyCreated) return exitcode::kNoExtension;
  return exitcode::kDone;
}

}  // namespace

int RunApplication(Host& host, WindowFactory& windows) {
  const std::vector<std::string> arguments = host.Arguments();
  const CommandLine line = ParseCommandLine(arguments);
  // Held until the run's work is done: the last tool call ended, the last write of the log tried.
  RunGuard guard(host);
  RunLog log(host, LogPath(host, line));
  QuietChannelSet quiet(host, log);
  ScreenChannelSet screen(host, log, windows, guard);
  RunChannelSet& chosen = line.quiet ? static_cast<RunChannelSet&>(quiet) : screen;
  if (!chosen.Quiet()) windows.TakeStarterShowCommand();
  if (line.help || line.Bad()) return ShowUsage(host, line, chosen);
  if (!guard.Take()) return AnotherRunHoldsTheFolder(host, chosen, arguments.empty());

  frmBatch form(host, chosen.Channels(), chosen.Options(line.toolPath));

  std::optional<RegistrationTally> registration;
  const ExtensionEntry* running = nullptr;
  if (chosen.Quiet()) {
    UnseenMainWindow window;
    form.Attach(&window);
    form.Form_Load();
    form.Attach(nullptr);
    log.WriteReport(window.ReportText());
    registration = Register(host, line, form.Outcome(), log, nullptr, running);
    guard.Release();
    host.PrintToConsole(log.Text());
  } else {
    ShownMainWindow* opened = nullptr;
    try {
      opened = &windows.OpenMainWindow(form);
    } catch (const HostFailure& failure) {
      return WindowNotCreated(host, form, failure, log, !arguments.empty());
    }
    ShownMainWindow& window = *opened;
    // A quiet run has no top-level window to hear of it: the session ends it without notice.
    windows.WhenSessionEnds(
        [&] { log.WriteEndedBySession(running ? EndedBySessionLine(*running) : ""); });
    form.Attach(&window);
    // The whole run happens before the window is first seen; reports after that (a button
    // pressed) are appended to the log as they happen.
    try {
      form.Form_Load();
    } catch (const AnotherRunTookOver&) {
      windows.WhenSessionEnds(nullptr);
      form.Attach(nullptr);
      return AnotherRunHoldsTheFolder(host, chosen, arguments.empty());
    }
    log.WriteReport(window.ReportText());
    window.Show();
    registration = Register(host, line, form.Outcome(), log, &window, running);
    log.MarkFinal();
    // A report left open on a desktop must not hold back the unattended runs of the folder.
    guard.Release();
    window.RunUntilClosed();
    windows.WhenSessionEnds(nullptr);
    form.Attach(nullptr);
  }
  log.Flush();
  // A start without arguments is the program as it always was: it always ended with 0.
  if (arguments.empty()) return exitcode::kDone;
  return ExitCode(form.Outcome(), registration, chosen.Errors(), log);
}

}  // namespace tarvic
