#include "app/Channels.h"

#include "batch/ToolLocator.h"
#include "errors/ErrorHandling.h"
#include "host/Host.h"
#include "text/TextLines.h"

namespace tarvic {

void RunErrorSink::Report(const ErrorReport& report) noexcept {
  ++count_;
  std::string message;
  try {
    const AppVersion version = host_.Version();
    message = quiet_ ? QuietErrorMessageText(version, report) : ErrorMessageText(version, report);
  } catch (...) {
    try {
      message = report.location + kCrLf + "Error Number = " + std::to_string(report.number) +
                kCrLf + "Description: " + report.description;
    } catch (...) {
    }
  }
  // Recorded before the box, which waits for the user: a run ended while it shows keeps it.
  log_.Record(message);
  if (!quiet_) {
    // A busy clipboard must not hide the report itself: the box still tells the user.
    try {
      host_.ClipboardSetText(message);
    } catch (...) {
    }
    try {
      host_.MsgBox(message, msgbox::kWarning, kErrorBoxTitle);
    } catch (...) {
    }
  }
}

std::string RunLocatePrompt::AskToolLocation() {
  if (windows_ == nullptr) return kCancelAnswer;
  // Nobody may be there to answer: unattended runs of the folder go ahead meanwhile.
  if (guard_ != nullptr) guard_->Release();
  std::string answer = windows_->AskToolLocation(host_, errors_);
  if (guard_ != nullptr && !guard_->Take()) throw AnotherRunTookOver{};
  return answer;
}

int RunMessageBoxes::Show(const std::string& prompt, int style, const std::string& title) {
  if (!quiet_) return host_.MsgBox(prompt, style, title);
  return style == msgbox::kOkCancel ? msgbox::kAnswerCancel : msgbox::kAnswerOk;
}

}  // namespace tarvic
