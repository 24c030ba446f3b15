#pragma once

#include "app/RunGuard.h"
#include "app/RunLog.h"
#include "batch/BatchRun.h"
#include "batch/RunChannels.h"
#include "ui/WindowFactory.h"

namespace tarvic {

class Host;

// Every error report goes to the log, before anything shows, and counts for the exit code.
class CountedErrorSink : public ErrorSink {
 public:
  int Count() const { return count_; }

 protected:
  CountedErrorSink(Host& host, RunLog& log) : host_(host), log_(log) {}
  // Counts and logs the report, in the words of a quiet run or of one at a screen; returns them.
  std::string Log(const ErrorReport& report, bool quiet) noexcept;

  Host& host_;

 private:
  RunLog& log_;
  int count_ = 0;
};

// A quiet run's: shown and copied nowhere, and logged without the lines about the clipboard.
class QuietErrorSink final : public CountedErrorSink {
 public:
  QuietErrorSink(Host& host, RunLog& log) : CountedErrorSink(host, log) {}
  void Report(const ErrorReport& report) noexcept override { Log(report, true); }
};

// At a screen: also copied to the clipboard and shown in a warning box.
class ScreenErrorSink final : public CountedErrorSink {
 public:
  ScreenErrorSink(Host& host, RunLog& log) : CountedErrorSink(host, log) {}
  void Report(const ErrorReport& report) noexcept override;
};

// In a quiet run nobody is asked where the tool is: the answer is a user's who gives up.
class QuietLocatePrompt final : public LocatePrompt {
 public:
  std::string AskToolLocation() override;
};

// At a screen, the locate dialog. The run's guard is given up while it is open and taken again
// once it has closed; when another run holds it by then, this throws AnotherRunTookOver.
class DialogLocatePrompt final : public LocatePrompt {
 public:
  DialogLocatePrompt(Host& host, ErrorSink& errors, WindowFactory& windows,
                     RunGuard* guard = nullptr)
      : host_(host), errors_(errors), windows_(windows), guard_(guard) {}
  std::string AskToolLocation() override;

 private:
  Host& host_;
  ErrorSink& errors_;
  WindowFactory& windows_;
  RunGuard* guard_;
};

// In a quiet run no box shows: each gets the answer that asks nothing further.
class QuietBoxes final : public MessageBoxes {
 public:
  int Show(const std::string& prompt, int style, const std::string& title) override;
};

// At a screen, real boxes.
class ScreenBoxes final : public MessageBoxes {
 public:
  explicit ScreenBoxes(Host& host) : host_(host) {}
  int Show(const std::string& prompt, int style, const std::string& title) override;

 private:
  Host& host_;
};

// What a run chose, once, as its command line says: the channels of someone at the screen, or
// those of a quiet run with nobody there (no window, dialog, box or clipboard); and, following
// from the same choice, batch files whose tool shows no box either.
class RunChannelSet {
 public:
  virtual ~RunChannelSet() = default;
  virtual bool Quiet() const = 0;
  virtual CountedErrorSink& Errors() = 0;
  virtual MessageBoxes& Boxes() = 0;
  virtual LocatePrompt& Locate() = 0;
  RunChannels Channels() { return {Locate(), Errors(), Boxes()}; }
  RunOptions Options(const std::optional<std::string>& toolPath) const {
    return {Quiet(), toolPath};
  }
};

class QuietChannelSet final : public RunChannelSet {
 public:
  QuietChannelSet(Host& host, RunLog& log) : errors_(host, log) {}
  bool Quiet() const override { return true; }
  CountedErrorSink& Errors() override { return errors_; }
  MessageBoxes& Boxes() override { return boxes_; }
  LocatePrompt& Locate() override { return locate_; }

 private:
  QuietErrorSink errors_;
  QuietBoxes boxes_;
  QuietLocatePrompt locate_;
};

class ScreenChannelSet final : public RunChannelSet {
 public:
  ScreenChannelSet(Host& host, RunLog& log, WindowFactory& windows, RunGuard& guard)
      : errors_(host, log), boxes_(host), locate_(host, errors_, windows, &guard) {}
  bool Quiet() const override { return false; }
  CountedErrorSink& Errors() override { return errors_; }
  MessageBoxes& Boxes() override { return boxes_; }
  LocatePrompt& Locate() override { return locate_; }

 private:
  ScreenErrorSink errors_;
  ScreenBoxes boxes_;
  DialogLocatePrompt locate_;
};

}  // namespace tarvic
