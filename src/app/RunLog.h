#pragma once

#include <optional>
#include <string>

namespace tarvic {

class Host;

// The log of one run: the report, then every error report. Without a log file it is still kept,
// for the console of a quiet run. The file is written whole once the report is known (replacing
// any older file); each piece after that is appended as it happens. Text the file refused is
// kept and goes first with the next piece, so that the file always holds a whole beginning of
// the log.
class RunLog {
 public:
  // `fullPath` must already be absolute: dialogs may move the current folder during the run.
  RunLog(Host& host, std::optional<std::string> fullPath)
      : host_(host), path_(std::move(fullPath)) {}

  void WriteReport(const std::string& reportBoxText);
  // No report will come (the main window could not be made): the log is the error reports alone.
  void WriteWithoutReport();
  // Never throws; a file that cannot take the report only keeps it for the next try.
  void Record(const std::string& errorReportText) noexcept;
  // The report box grew by these whole lines: the log takes them at once.
  void ExtendReport(const std::string& lines);
  // One more try for text the file refused so far; the run is ending.
  void Flush();

  // The run's work is done: its report, and the registrations when asked for, are in the log.
  void MarkFinal() { final_ = true; }
  // Windows is ending the session before the run finished, and may end the process as soon as
  // this returns. Once, and only while the log is not final: writes at once what it does not
  // hold yet, then `callInProgress` (a line, or empty) and the line that says so. Nothing is
  // written after it.
  void WriteEndedBySession(const std::string& callInProgress) noexcept;

  // The whole log as text (UTF-8, without the byte-order mark).
  const std::string& Text() const { return text_; }
  // Whether some of the log never reached its file.
  bool WriteFailed() const { return lost_ || !unwritten_.empty(); }

 private:
  void Begin(std::string text);
  void Store(const std::string& text);

  Host& host_;
  std::optional<std::string> path_;
  std::string pendingReports_;  // error reports that came before the report itself
  std::string text_;
  std::string unwritten_;        // the end of text_ that the file has not taken yet
  bool begun_ = false;           // the report (or the reports alone) is known
  bool replaced_ = false;        // the older file is gone: what follows is appended
  bool storing_ = false;         // a write waits between tries, and the windows answer meanwhile
  bool lost_ = false;            // out of memory: the log can no longer be complete
  bool final_ = false;           // the run's work is in the log: a sign-out adds nothing
  bool endedBySession_ = false;  // the last line is written: nothing follows it
};

}  // namespace tarvic
