#pragma once

#include <optional>
#include <string>
#include <vector>

#include "batch/Registration.h"

namespace tarvic {

// The switches of an unattended run. Each starts with / or -, in any letter case.
struct CommandLine {
  bool quiet = false;
  bool help = false;
  std::optional<std::string> toolPath;
  std::optional<std::string> logFile;
  // After the run, register (or unregister) every extension whose batch files were written.
  std::optional<RegistrationKind> registration;
  std::string badArgument;  // the first argument that is no switch; the run must not start
  bool Bad() const { return !badArgument.empty(); }
};

// Takes the arguments as the C runtime splits them, so quotes are already gone; a value that
// still stands in one pair of quotes loses them, and one holding any other quote is bad. A later
// switch replaces an earlier one.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

std::string UsageText();
// What a bad command line shows: the argument not understood, then the usage.
std::string BadCommandLineText(const std::string& argument);

}  // namespace tarvic
