#include "errors/ErrorHandling.h"

#include "batch/TextLines.h"
#include "errors/SupportContact.h"

namespace tarvic {

namespace {
constexpr const char* kTitle = "Problem Making Batch Files:";
}  // namespace

std::string ErrorLineText(std::int32_t line) {
  if (line == 0) return "";
  return "Line : " + std::to_string(line);
}

std::string ErrorMessageText(Host& host, const std::string& location, std::int32_t number,
                             const std::string& description) {
  const AppVersion v = host.Version();
  std::string m = location + kCrLf;
  m += "Tarvic_Kit: v. " + std::to_string(v.major) + "." + std::to_string(v.minor) + "." +
       std::to_string(v.revision) + kCrLf;
  m += "Error Number = " + std::to_string(number) + kCrLf;
  m += "Description: " + description + kCrLf;
  m += kCrLf;
  m += "If using Windows Vista or Windows 7, did you right-click ";
  m += std::string("and choose 'Run as Administrator'?") + kCrLf;
  m += kCrLf;
  m += std::string("This error message has been copied to your Clipboard.") + kCrLf;
  m += std::string("Please contact ") + kSupportName + " [" + kSupportEmail +
       "] if you have problems with this tool." + kCrLf;
  m += "Use [Control]-V to paste this error information into your email.";
  return m;
}

void ReportError(Host& host, const std::string& location, std::int32_t number,
                 const std::string& description) {
  std::string message;
  try {
    message = ErrorMessageText(host, location, number, description);
  } catch (...) {
    message = location + kCrLf + "Error Number = " + std::to_string(number) + kCrLf +
              "Description: " + description;
  }
  // A busy clipboard must not hide the report itself: the box still tells the user.
  try {
    host.ClipboardSetText(message);
  } catch (...) {
  }
  try {
    host.MsgBox(message, msgbox::kWarning, kTitle);
  } catch (...) {
  }
}

}  // namespace tarvic
