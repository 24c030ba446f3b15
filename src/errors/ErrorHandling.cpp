#include "errors/ErrorHandling.h"

#include "errors/SupportContact.h"
#include "text/TextLines.h"

namespace tarvic {

namespace {

std::string Line(const std::string& text) {
  return text + std::string(kCrLf);
}

std::string MessageText(const AppVersion& v, const ErrorReport& report, bool withClipboard) {
  std::string m = Line(report.location);
  m += Line("Tarvic_Kit: v. " + VersionText(v));
  m += Line("Error Number = " + std::to_string(report.number));
  m += Line("Description: " + report.description);
  m += Line("");
  m += Line(
      "If using Windows Vista or Windows 7, did you right-click and choose 'Run as "
      "Administrator'?");
  m += Line("");
  if (withClipboard) m += Line("This error message has been copied to your Clipboard.");
  m += std::string("Please contact ") + kSupportName + " [" + kSupportEmail +
       "] if you have problems with this tool.";
  if (withClipboard)
    m += Line("") + "Use [Control]-V to paste this error information into your email.";
  return m;
}

}  // namespace

std::string ErrorLineText(std::int32_t line) {
  if (line == 0) return "";
  return "Line : " + std::to_string(line);
}

std::string ErrorMessageText(const AppVersion& version, const ErrorReport& report) {
  return MessageText(version, report, true);
}

std::string QuietErrorMessageText(const AppVersion& version, const ErrorReport& report) {
  return MessageText(version, report, false);
}

void ReportError(ErrorSink& sink, const std::string& location, std::int32_t number,
                 const std::string& description) {
  ErrorReport report;
  try {
    report = {location, number, description};
  } catch (...) {
    report.number = number;  // out of memory: the number alone still tells support something
  }
  sink.Report(report);
}

}  // namespace tarvic
