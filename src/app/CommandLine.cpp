#include "app/CommandLine.h"

#include <algorithm>

#include "app/ExitCodes.h"
#include "text/AsciiCase.h"
#include "text/TextLines.h"

namespace tarvic {

namespace {

std::string Unquoted(const std::string& value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// Registering and unregistering in one run contradict each other; the second one is refused.
bool Choose(RegistrationKind kind, CommandLine& line) {
  if (line.registration && *line.registration != kind) return false;
  line.registration = kind;
  return true;
}

// Applies one argument; false when it is no switch this program knows.
bool Apply(const std::string& argument, CommandLine& line) {
  if (argument.size() < 2 || (argument[0] != '/' && argument[0] != '-')) return false;
  const std::string body = argument.substr(1);
  const auto colon = body.find(':');
  const std::string name = body.substr(0, colon);
  if (colon == std::string::npos) {
    if (EqualsIgnoreCase(name, "quiet"))
      line.quiet = true;
    else if (name == "?")
      line.help = true;
    else if (EqualsIgnoreCase(name, "register"))
      return Choose(RegistrationKind::Register, line);
    else if (EqualsIgnoreCase(name, "unregister"))
      return Choose(RegistrationKind::Unregister, line);
    else
      return false;
    return true;
  }
  const std::string value = Unquoted(body.substr(colon + 1));
  // No file name holds a quote: one left in a value is a backslash that escaped the closing
  // quote (/log:"C:\Logs\" /quiet), and the switches after it were swallowed into the value.
  if (value.empty() || value.find('"') != std::string::npos) return false;
  if (EqualsIgnoreCase(name, "tool"))
    line.toolPath = value;
  else if (EqualsIgnoreCase(name, "log"))
    line.logFile = value;
  else
    return false;
  return true;
}

// A quiet word swallowed after a stray quote still means that nobody is at the screen: the bad
// line must then show no box either.
bool SwallowsQuiet(const std::string& argument) {
  const auto quote = argument.find('"');
  if (quote == std::string::npos) return false;
  std::size_t at = quote + 1;
  while (at < argument.size()) {
    const auto end = std::min(argument.find_first_of(" \t", at), argument.size());
    const std::string word = argument.substr(at, end - at);
    if (EqualsIgnoreCase(word, "/quiet") || EqualsIgnoreCase(word, "-quiet")) return true;
    at = end + 1;
  }
  return false;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  // Every argument is read, so that /quiet keeps the usage out of a box even on a bad line.
  for (const auto& argument : arguments) {
    if (!Apply(argument, line) && !line.Bad())
      line.badArgument = argument.empty() ? "\"\"" : argument;
    if (SwallowsQuiet(argument)) line.quiet = true;
  }
  return line;
}

std::string UsageText() {
  return "Usage: Tarvic_Kit.exe [/quiet] [/register | /unregister] [/tool:PATH]\r\n"
         "                      [/log:FILE] [/?]\r\n"
         "\r\n"
         "  /quiet      Run without any window, dialog, message box or clipboard. The batch\r\n"
         "              files call ESRIRegAsm.exe with /s, so that it shows no box either.\r\n"
         "  /register   Then register each extension whose batch files were written, with\r\n"
         "              ESRIRegAsm.exe, one after another; needs \"Run as administrator\".\r\n"
         "  /unregister The same, unregistering them.\r\n"
         "  /tool:PATH  Use ESRIRegAsm.exe at PATH (fully qualified; quoted when it holds\r\n"
         "              spaces) instead of looking for it.\r\n"
         "  /log:FILE   Write the report and any error reports to FILE (UTF-8).\r\n"
         "  /?          Show this text.\r\n"
         "\r\n" +
         std::string(exitcode::kTable);
}

std::string BadCommandLineText(const std::string& argument) {
  return "Not understood: " + argument + kCrLf + kCrLf + UsageText();
}

}  // namespace tarvic
