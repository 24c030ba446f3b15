#include "cli/LoggingHost.h"

#include "batch/ToolLocator.h"

namespace tarvic {

int LoggingHost::MsgBox(const std::string& prompt, int style, const std::string& title) {
  // Only the error reporter uses the warning style.
  if (style == msgbox::kWarning) errorReports_.push_back(prompt);
  if (!quiet_) return inner_.MsgBox(prompt, style, title);
  // Nobody can answer: a question ends the way that asks nothing further.
  return style == msgbox::kOkCancel ? msgbox::kAnswerCancel : msgbox::kAnswerOk;
}

void LoggingHost::ClipboardSetText(const std::string& text) {
  if (!quiet_) inner_.ClipboardSetText(text);
}

std::string LoggingHost::ShowOpen(const std::string& filter, const std::string& initialFolder,
                                  const std::string& title) {
  return quiet_ ? std::string() : inner_.ShowOpen(filter, initialFolder, title);
}

std::string LoggingHost::ShowLocateDialog() {
  return quiet_ ? std::string(kCancelAnswer) : inner_.ShowLocateDialog();
}

}  // namespace tarvic
