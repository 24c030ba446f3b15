#pragma once

#include <string>
#include <vector>

#include "batch/BatchRun.h"
#include "batch/RunChannels.h"
#include "ui/FormView.h"

namespace tarvic {

class Host;

// The main window's logic: its load handler is the whole batch run.
class frmBatch {
 public:
  frmBatch(Host& host, RunChannels channels, RunOptions options = {})
      : host_(host), channels_(channels), options_(std::move(options)) {}

  // The window the logic drives; set before Form_Load.
  void Attach(MainWindowView* view) { view_ = view; }

  void Form_Load();
  // Loading the form begins with creating its window: a refusal is the load handler's failure,
  // on a line of its own, reported to `errors`.
  void ReportWindowNotCreated(const HostFailure& failure, ErrorSink& errors);
  void cmdCopy_Click();
  void cmdClose_Click();

  // Bare name of the first normal file matching the path; "" when missing or on any failure.
  std::string ReturnDirValue(const std::string& strESRIPath);

  // How far the load handler's run got.
  const RunOutcome& Outcome() const { return outcome_; }

 private:
  MainWindowView& View();

  Host& host_;
  RunChannels channels_;
  MainWindowView* view_ = nullptr;
  RunOptions options_;
  RunOutcome outcome_;
  // Network shares that failed to answer a probe in this run; see ReturnDirValue.
  std::vector<std::string> unreachableShares_;
};

}  // namespace tarvic
