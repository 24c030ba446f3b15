#include "batch/ToolCommandLine.h"

namespace tarvic {

namespace {

// cmd expands % even inside double quotes; doubling it keeps a path literal in a batch line.
// CreateProcess gives % no meaning.
std::string Quoted(const std::string& path, LineReader reader) {
  std::string quoted = "\"";
  for (char c : path) {
    quoted += c;
    if (c == '%' && reader == LineReader::Cmd) quoted += '%';
  }
  return quoted + "\"";
}

}  // namespace

std::string RegisterLine(const std::string& toolPath, const std::string& dllPath,
                         const std::string& regPath, bool silent, LineReader reader) {
  return Quoted(toolPath, reader) + " /p:Desktop " + Quoted(dllPath, reader) +
         " /f:" + Quoted(regPath, reader) + (silent ? " /s" : "");
}

std::string UnregisterLine(const std::string& toolPath, const std::string& dllPath, bool silent,
                           LineReader reader) {
  return Quoted(toolPath, reader) + " /p:Desktop /u " + Quoted(dllPath, reader) +
         (silent ? " /s" : "");
}

}  // namespace tarvic
