#include "Machine.h"

namespace tarvic::test {

void SetUpMachine(MemoryHost& host) {
  host.appPath = "C:\\Ext";
  host.files.AddFile(kFolder + "Tarvic_Kit.exe");
  host.environment["WinDir"] = "C:\\Windows";
  host.files.AddFile("C:\\Windows\\system32\\RICHTX32.OCX");
  host.files.AddFile(kFirstCandidate);
}

const ExtensionEntry& Row(int number) {
  return ExtensionCatalogue().at(number - 1);
}

void AddRow(MemoryHost& host, int number) {
  host.files.AddFile(kFolder + Row(number).DllName);
  host.files.AddFile(kFolder + Row(number).RegName);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t pos; (pos = text.find("\r\n", start)) != std::string::npos; start = pos + 2) {
    lines.push_back(text.substr(start, pos - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

}  // namespace tarvic::test
