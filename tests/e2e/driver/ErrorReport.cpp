#include "ErrorReport.h"

#include <doctest.h>

#include <regex>

#include "Expected.h"
#include "Gui.h"
#include "Kit.h"

SeenErrorReport TakeErrorReport(HWND box) {
  SeenErrorReport seen;
  seen.text = MessageText(box);
  std::smatch parts;
  static const std::regex head(
      "([^\r\n]*)\r\nTarvic_Kit: v\\. 1\\.0\\.39\r\nError Number = (-?[0-9]+)\r\nDescription: ");
  if (std::regex_search(seen.text, parts, head, std::regex_constants::match_continuous)) {
    seen.location = parts[1];
    seen.number = std::stol(parts[2]);
  } else {
    FAIL_CHECK("not an error report: " << seen.text);
  }
  const std::string tail = ErrorReportTail();
  CHECK_MESSAGE(seen.text.size() > tail.size(), seen.text);
  if (seen.text.size() > tail.size()) {
    CHECK(seen.text.substr(seen.text.size() - tail.size()) == tail);
  }
  Answer(box, IDOK);
  return seen;
}

SeenErrorReport NextErrorReport(const App& app) {
  return TakeErrorReport(MessageBoxTitled(app, kErrorTitle));
}

bool ReportedIn(const SeenErrorReport& report, const std::string& procedure) {
  return std::regex_match(report.location,
                          std::regex(procedure + " Error in frmBatch Line : [1-9][0-9]*"));
}
