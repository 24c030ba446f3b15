#pragma once

#include <string>
#include <vector>

namespace tarvic {

class Host;

// What the scan of the program folder found, in listing order.
struct FolderScan {
  std::string ProgramFolder;
  std::vector<std::string> FoundRegPaths;
  std::vector<std::string> FoundRegs;
  std::vector<std::string> FoundDllPaths;
  std::vector<std::string> FoundDlls;
};

// The program's folder with exactly one trailing backslash.
std::string ProgramFolderOf(const std::string& appPath);

// Lists the program folder once; a failing listing throws HostFailure.
FolderScan ScanProgramFolder(Host& host);

// The two found-files paragraphs that start the report.
std::string FoundFilesParagraphs(const FolderScan& scan);

}  // namespace tarvic
