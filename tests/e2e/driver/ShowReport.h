#pragma once

#include <string>

// For scripts/run.sh: starts the program, prints its report, presses Copy, has a screenshot
// taken, and closes it. Returns the process exit code to use.
int ShowReport(const std::string& exePath);
