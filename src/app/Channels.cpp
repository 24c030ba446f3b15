#include "app/Channels.h"

#include "batch/ToolLocator.h"
#include "errors/ErrorHandling.h"
#include "host/Host.h"
#include "text/TextLines.h"

namespace tarvic {

std::string CountedErrorSink::Log(const ErrorReport& report, bool quiet) noexcept {
  ++count_;
  std::string message;
  try {
    const AppVersion version = host_.Version();
    message = quiet ? QuietErrorMessageText(version, report) : ErrorMessageText(version, report);
  } catch (...) {
    try {
      message = report.location + kCrLf + "Error Number = " + std::to_string(report.number) +
                kCrLf + "Description: " + report.description;
    } catch (...) {
    }
  }
  // Recorded before any box, which waits for the user: a run ended while it shows keeps it.
  log_.Record(message);
  return message;
}

void ScreenErrorSink::Report(const ErrorReport& report) noexcept {
  const std::string message = Log(report, false);
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

std::string QuietLocatePrompt::AskToolLocation() {
  return kCancelAnswer;
}

std::string DialogLocatePrompt::AskToolLocation() {
  // Nobody may be there to answer: unattended runs of the folder go ahead meanwhile.
  if (guard_ != nullptr) guard_->Release();
  std::string answer = windows_.AskToolLocation(host_, errors_);
  if (guard_ != nullptr && !guard_->Take()) throw AnotherRunTookOver{};
  return answer;
}

int QuietBoxes::Show(const std::string&, int style, const std::string&) {
  return style == msgbox::kOkCancel ? msgbox::kAnswerCancel : msgbox::kAnswerOk;
}

int ScreenBoxes::Show(const std::string& prompt, int style, const std::string& title) {
  return host_.MsgBox(prompt, style, title);
}

}  // namespace tarvic
