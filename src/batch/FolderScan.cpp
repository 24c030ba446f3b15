#include "batch/FolderScan.h"

#include "batch/Text.h"

namespace tarvic {

std::string ProgramFolderOf(const std::string& appPath) {
  if (!appPath.empty() && appPath.back() == '\\') return appPath;
  return appPath + "\\";
}

FolderScan ScanProgramFolder(Host& host) {
  FolderScan scan;
  scan.ProgramFolder = ProgramFolderOf(host.AppPath());
  for (std::string name = host.Dir(scan.ProgramFolder); !name.empty(); name = host.DirNext()) {
    if (name == "." || name == "..") continue;
    std::string fullPath = scan.ProgramFolder + name;
    if (EndsWithIgnoreCase(fullPath, ".reg")) {
      scan.FoundRegPaths.push_back(std::move(fullPath));
      scan.FoundRegs.push_back(name);
    } else if (EndsWithIgnoreCase(fullPath, ".dll")) {
      scan.FoundDllPaths.push_back(std::move(fullPath));
      scan.FoundDlls.push_back(name);
    }
  }
  return scan;
}

std::string FoundFilesParagraphs(const FolderScan& scan) {
  std::string text = "Found " + std::to_string(scan.FoundRegPaths.size()) + " *.reg files in " +
                     scan.ProgramFolder + "..." + std::string(kCrLf);
  for (const auto& path : scan.FoundRegPaths) text += std::string(kArrow) + path + std::string(kCrLf);
  text += std::string(kCrLf) + "Found " + std::to_string(scan.FoundDllPaths.size()) +
          " *.dll files in " + scan.ProgramFolder + "..." + std::string(kCrLf);
  for (const auto& path : scan.FoundDllPaths) text += std::string(kArrow) + path + std::string(kCrLf);
  return text;
}

}  // namespace tarvic
