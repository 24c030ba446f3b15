#include "app/RunLog.h"

#include <algorithm>

#include "host/Host.h"
#include "text/TextLines.h"

namespace tarvic {

namespace {
// Notepad on Windows XP needs the byte-order mark to read the file as UTF-8.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kEndedBySession =
    "The run was ended by Windows (sign-out, shutdown or restart) before it finished.";
}  // namespace

void RunLog::WriteReport(const std::string& reportBoxText) {
  Begin(reportBoxText + std::string(kCrLf) + pendingReports_);
}

void RunLog::WriteWithoutReport() {
  Begin(pendingReports_.substr(std::min(kCrLf.size(), pendingReports_.size())));
}

void RunLog::Begin(std::string text) {
  pendingReports_.clear();
  begun_ = true;
  text_ = std::move(text);
  Store(text_);
}

void RunLog::Record(const std::string& errorReportText) noexcept {
  try {
    const std::string entry = std::string(kCrLf) + errorReportText + std::string(kCrLf);
    if (!begun_) {
      pendingReports_ += entry;
      return;
    }
    text_ += entry;
    Store(entry);
  } catch (...) {
    lost_ = true;
  }
}

void RunLog::ExtendReport(const std::string& lines) {
  text_ += lines;
  Store(lines);
}

void RunLog::WriteEndedBySession(const std::string& callInProgress) noexcept {
  if (final_) return;
  final_ = true;
  try {
    // The system may end the process as soon as the message that said so is answered: a write
    // that must wait answers no window, and one already waiting is overtaken rather than joined.
    host_.StopDispatchingWhileWriting();
    storing_ = false;
    std::string tail = callInProgress.empty() ? "" : callInProgress + kCrLf;
    tail += kCrLf + std::string(kEndedBySession) + kCrLf;
    if (begun_) {
      text_ += tail;
      Store(tail);
    } else {
      // No report yet (the calls come after it): the error reports held for it, then the line.
      pendingReports_ += tail;
      WriteWithoutReport();
    }
  } catch (...) {
    lost_ = true;
  }
  endedBySession_ = true;
}

void RunLog::Flush() {
  if (begun_) Store("");
}

void RunLog::Store(const std::string& text) {
  if (!path_ || endedBySession_) return;
  unwritten_ += text;
  // A piece that comes while a write waits (a button pressed meanwhile) stays in the queue: the
  // waiting write takes it next, in order.
  if (storing_) return;
  storing_ = true;
  try {
    while (!unwritten_.empty()) {
      // A copy: the queue may grow while the host writes.
      const std::string piece = unwritten_;
      if (replaced_) {
        host_.AppendBytesFile(*path_, piece);
      } else {
        host_.WriteBytesFile(*path_, std::string(kByteOrderMark) + piece);
      }
      replaced_ = true;
      unwritten_.erase(0, piece.size());
    }
  } catch (const HostFailure&) {
    // Kept for the next piece; the batch files are already written, and the exit code tells.
  } catch (...) {
    lost_ = true;
  }
  storing_ = false;
}

}  // namespace tarvic
