#pragma once

#include <string>

#include "cli/CommandLine.h"
#include "cli/LoggingHost.h"
#include "host/Host.h"
#include "ui/frmBatch.h"

namespace tarvic {

namespace exitcode {
constexpr int kDone = 0;
constexpr int kNoExtension = 1;
constexpr int kToolNotFound = 2;
constexpr int kFailureReported = 3;
constexpr int kLogNotWritten = 4;
constexpr int kBadCommandLine = 87;
}  // namespace exitcode

// One start of the program, from its command line. The usage, when asked for or when the line
// is bad, is shown at construction; then nothing is to run. A quiet run has no window:
//
//   ProgramRun run(host);
//   if (run.Done()) return run.ExitCode();
//   if (run.Quiet()) return run.RunQuiet();
//   (load run.Form() in its window)  const int code = run.Finish(window.ReportText());
//   (show the window until it closes)  return code;
class ProgramRun {
 public:
  explicit ProgramRun(Host& host);

  bool Done() const { return done_; }
  int ExitCode() const { return exitCode_; }
  bool Quiet() const { return line_.quiet; }
  frmBatch& Form() { return form_; }

  // The load handler on a window nobody sees, then Finish.
  int RunQuiet();
  // After the load handler: writes the log, prints it for a quiet run, and returns the exit
  // code, which is 0 for a start without arguments, as it always was.
  int Finish(const std::string& reportBoxText);

 private:
  ProgramRun(Host& host, const std::vector<std::string>& arguments);

  Host& host_;
  bool withArguments_;
  CommandLine line_;
  LoggingHost logging_;
  frmBatch form_;
  bool done_ = false;
  int exitCode_ = exitcode::kDone;
};

// The log's bytes: UTF-8 with a byte-order mark, which Notepad on XP needs to read it.
std::string LogText(const std::string& reportBoxText, const std::vector<std::string>& errorReports);

}  // namespace tarvic
