#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "batch/RunChannels.h"
#include "errors/ErrorTrap.h"

namespace tarvic {

class Host;

inline constexpr const char* kCancelAnswer = "Cancel";

// The six fixed places of ESRIRegAsm.exe, in probing order.
const std::array<std::string, 6>& ToolCandidates();

// The silent existence probe of the main window: the bare name of the first normal file
// matching a path, "" when missing or on any failure.
using DirProbe = std::function<std::string(const std::string&)>;

struct ToolLocation {
  std::string RegAsmPath;  // a path that passed its existence check, or "Cancel"
  bool ToolLocated = false;
};

// Probes the fixed places, or only `toolPath` when given (checked as a typed path, silently).
// When none holds the tool, asks through the locate prompt until an existing file is named or
// the user gives up. A failing check of a typed path throws to the caller's trap.
ToolLocation LocateTool(Host& host, RunChannels& channels, const DirProbe& returnDirValue,
                        ErrorTrap& trap, const std::optional<std::string>& toolPath = std::nullopt);

}  // namespace tarvic
