#pragma once

#include <string>

#include "App.h"

// An error report the program showed: its location line and error number, the fixed lines
// around them already checked.
struct SeenErrorReport {
  std::string location;  // without the line break
  long number = 0;
  std::string text;
};

// Reads and checks the report in an error message box, then presses its OK button.
SeenErrorReport TakeErrorReport(HWND box);
// Waits for the next error report of the program and takes it.
SeenErrorReport NextErrorReport(const App& app);

// True when the location names the procedure of frmBatch and a statement line.
bool ReportedIn(const SeenErrorReport& report, const std::string& procedure);
