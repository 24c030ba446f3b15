#pragma once

#include <optional>
#include <string>

#include "host/Host.h"

namespace tarvic {

// The log of one run: the report, then every error report. Without a log file it is still kept,
// for the console of a quiet run. The file is written whole once the report is known (replacing
// any older file); each report after that is appended as it happens.
class RunLog {
 public:
  // `fullPath` must already be absolute: dialogs may move the current folder during the run.
  RunLog(Host& host, std::optional<std::string> fullPath)
      : host_(host), path_(std::move(fullPath)) {}

  void WriteReport(const std::string& reportBoxText);
  // Never throws; a file that cannot take the report only marks the log as failed.
  void Record(const std::string& errorReportText) noexcept;
  // The report box grew by `text`, which starts a new line: the log takes it at once, and keeps
  // it followed by the line break that ends the report in the log.
  void ExtendReport(const std::string& text);

  // The run's work is done: its report, and the registrations when asked for, are in the log.
  void MarkFinal() { final_ = true; }
  // Windows is ending the session before the run finished, and may end the process as soon as
  // this returns. Once, and only while the log is not final: writes at once what it does not
  // hold yet, then `callInProgress` (a line, or empty) and the line that says so. Nothing is
  // written after it.
  void WriteEndedBySession(const std::string& callInProgress) noexcept;

  // The whole log as text (UTF-8, without the byte-order mark).
  const std::string& Text() const { return text_; }
  bool WriteFailed() const { return writeFailed_; }

 private:
  void Store(const std::string& bytes, bool append);

  Host& host_;
  std::optional<std::string> path_;
  std::string pendingReports_;  // error reports that came before the report itself
  std::string text_;
  bool written_ = false;
  bool writeFailed_ = false;
  bool final_ = false;
  bool endedBySession_ = false;
};

}  // namespace tarvic
