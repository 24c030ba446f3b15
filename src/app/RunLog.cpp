#include "app/RunLog.h"

#include "batch/TextLines.h"

namespace tarvic {

namespace {
// Notepad on Windows XP needs the byte-order mark to read the file as UTF-8.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kEndedBySession =
    "The run was ended by Windows (sign-out, shutdown or restart) before it finished.";
}  // namespace

void RunLog::WriteReport(const std::string& reportBoxText) {
  text_ = reportBoxText + std::string(kCrLf) + pendingReports_;
  pendingReports_.clear();
  written_ = true;
  Store(std::string(kByteOrderMark) + text_, false);
}

void RunLog::Record(const std::string& errorReportText) noexcept {
  try {
    const std::string entry = std::string(kCrLf) + errorReportText + std::string(kCrLf);
    if (!written_) {
      pendingReports_ += entry;
      return;
    }
    text_ += entry;
    Store(entry, true);
  } catch (...) {
    writeFailed_ = true;  // out of memory: the log can no longer be complete
  }
}

void RunLog::ExtendReport(const std::string& text) {
  const std::string entry = text.substr(kCrLf.size()) + kCrLf;
  text_ += entry;
  Store(entry, true);
}

void RunLog::WriteEndedBySession(const std::string& callInProgress) noexcept {
  if (final_) return;
  final_ = true;
  try {
    std::string tail = callInProgress.empty() ? "" : callInProgress + kCrLf;
    tail += kCrLf + std::string(kEndedBySession) + kCrLf;
    // Through the one writer, and with nothing dispatched meanwhile: the session is ending.
    if (written_) {
      text_ += tail;
      Store(tail, true);
    } else {
      // No report yet: the error reports held for it, then the last line.
      text_ = (pendingReports_ + tail).substr(kCrLf.size());
      written_ = true;
      Store(std::string(kByteOrderMark) + text_, false);
    }
  } catch (...) {
    writeFailed_ = true;
  }
  endedBySession_ = true;
}

void RunLog::Store(const std::string& bytes, bool append) {
  if (!path_ || writeFailed_ || endedBySession_) return;
  try {
    if (append) {
      host_.AppendBytesFile(*path_, bytes);
    } else {
      host_.WriteBytesFile(*path_, bytes);
    }
  } catch (const HostFailure&) {
    writeFailed_ = true;  // the batch files are already written; the exit code tells
  }
}

}  // namespace tarvic
