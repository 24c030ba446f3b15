#pragma once

#include "app/RunGuard.h"
#include "app/RunLog.h"
#include "batch/BatchRun.h"
#include "batch/RunChannels.h"
#include "ui/WindowFactory.h"

namespace tarvic {

class Host;

// Every error report goes to the log and counts for the exit code. At a screen it is also
// copied to the clipboard and shown in a warning box; a quiet run shows and copies nothing, and
// its log leaves out the lines about the clipboard.
class RunErrorSink : public ErrorSink {
 public:
  RunErrorSink(Host& host, RunLog& log, bool quiet) : host_(host), log_(log), quiet_(quiet) {}
  void Report(const ErrorReport& report) noexcept override;
  int Count() const { return count_; }

 private:
  Host& host_;
  RunLog& log_;
  bool quiet_;
  int count_ = 0;
};

// At a screen, the locate dialog; in a quiet run nobody is asked, as when a user gives up. The
// run's guard is given up while the dialog is open and taken again once it has closed; when
// another run holds it by then, this throws AnotherRunTookOver.
class RunLocatePrompt : public LocatePrompt {
 public:
  RunLocatePrompt(Host& host, ErrorSink& errors, WindowFactory* windows, RunGuard* guard = nullptr)
      : host_(host), errors_(errors), windows_(windows), guard_(guard) {}
  std::string AskToolLocation() override;

 private:
  Host& host_;
  ErrorSink& errors_;
  WindowFactory* windows_;  // null in a quiet run
  RunGuard* guard_;
};

// At a screen, real boxes; in a quiet run, the answer that asks nothing further.
class RunMessageBoxes : public MessageBoxes {
 public:
  RunMessageBoxes(Host& host, bool quiet) : host_(host), quiet_(quiet) {}
  int Show(const std::string& prompt, int style, const std::string& title) override;

 private:
  Host& host_;
  bool quiet_;
};

// What a run chose, once, as its command line says: the channels of someone at the screen, or
// those of a quiet run with nobody there (no window, dialog, box or clipboard); and, following
// from the same choice, batch files whose tool shows no box either.
struct RunChannelSet {
  // `screen` is null for a quiet run.
  RunChannelSet(Host& host, RunLog& log, WindowFactory* screen, RunGuard* guard)
      : quiet(screen == nullptr),
        errors(host, log, quiet),
        boxes(host, quiet),
        locate(host, errors, screen, guard) {}
  RunChannels Channels() { return {locate, errors, boxes}; }
  RunOptions Options(const std::optional<std::string>& toolPath) const { return {quiet, toolPath}; }

  const bool quiet;
  RunErrorSink errors;
  RunMessageBoxes boxes;
  RunLocatePrompt locate;
};

}  // namespace tarvic
