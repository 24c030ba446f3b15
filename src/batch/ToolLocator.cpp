#include "batch/ToolLocator.h"

#include "batch/TypedToolPath.h"
#include "host/Host.h"
#include "text/TextLines.h"

namespace tarvic {

const std::array<std::string, 6>& ToolCandidates() {
  static const std::array<std::string, 6> candidates = {
      "C:\\Program Files (x86)\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
      "\\\\tsclient\\C\\Program Files (x86)\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
      "C:\\Program Files\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
      "\\\\tsclient\\C\\Program Files\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
      "D:\\Program Files\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
      "D:\\Program Files (x86)\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
  };
  return candidates;
}

namespace {

std::string ProblemFindingText(const std::string& path) {
  return "Unable to find ESRIRegAsm.exe at specified path:" + std::string(kCrLf) +
         std::string(kCrLf) + std::string(kArrow) + path + std::string(kCrLf) + std::string(kCrLf) +
         "Click 'OK' to specify another file location, or 'Cancel' to exit...";
}

// The first fixed place that holds the tool, "" when none does.
std::string ProbeFixedPlaces(const DirProbe& returnDirValue, ErrorTrap& trap) {
  const auto& candidates = ToolCandidates();
  std::string path = candidates[0];
  // Every probe runs; once one succeeds the later ones re-probe and keep the same path.
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    trap.At(static_cast<std::int32_t>(310 + 10 * i));
    if (returnDirValue(path).empty()) {
      path = (i + 1 < candidates.size()) ? candidates[i + 1] : std::string();
    }
  }
  return path;
}

}  // namespace

ToolLocation LocateTool(Host& host, RunChannels& channels, const DirProbe& returnDirValue,
                        ErrorTrap& trap, const std::optional<std::string>& toolPath) {
  ToolLocation where;
  trap.At(300);
  if (!toolPath) {
    where.RegAsmPath = ProbeFixedPlaces(returnDirValue, trap);
  } else if (IsUsableToolPathShape(*toolPath) && !returnDirValue(*toolPath).empty()) {
    where.RegAsmPath = *toolPath;  // a given path that fails counts as not found, silently
  }
  trap.At(370);
  where.ToolLocated = true;

  while (where.RegAsmPath.empty()) {
    trap.At(390);
    where.RegAsmPath = channels.locate.AskToolLocation();
    if (where.RegAsmPath == kCancelAnswer) {
      trap.At(410);
      channels.boxes.Show("File Location of 'ESRIRegAsm.exe' not specified...",
                          msgbox::kInformation, "Operation Cancelled:");
      where.ToolLocated = false;
    } else {
      trap.At(420);
      if (!TypedToolPathExists(host, where.RegAsmPath)) {
        trap.At(430);
        const int answer =
            channels.boxes.Show(ProblemFindingText(where.RegAsmPath), msgbox::kOkCancel,
                                "Problem Finding ESRIRegAsm.exe:");
        trap.At(440);
        if (answer == msgbox::kAnswerOk) {
          where.RegAsmPath.clear();
        } else {
          where.RegAsmPath = kCancelAnswer;
          where.ToolLocated = false;
        }
      }
    }
  }
  return where;
}

}  // namespace tarvic
