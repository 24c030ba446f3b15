#pragma once

#include <array>
#include <string>

#include "batch/RunOwner.h"
#include "errors/ErrorTrap.h"
#include "host/Host.h"

namespace tarvic {

inline constexpr const char* kCancelAnswer = "Cancel";

// The six fixed places of ESRIRegAsm.exe, in probing order.
const std::array<std::string, 6>& ToolCandidates();

struct ToolLocation {
  std::string RegAsmPath;  // a path that passed its existence check, or "Cancel"
  bool ToolLocated = false;
};

// Probes the fixed places; when none holds the tool, asks the user through the locate dialog
// until an existing file is named or the user gives up. A failing check of a typed path throws
// to the caller's trap.
ToolLocation LocateTool(Host& host, RunOwner& owner, ErrorTrap& trap);

// The direct check of a typed path: it must name one existing normal file, not a folder or a
// pattern. Throws when the listing itself fails.
bool TypedToolPathExists(Host& host, const std::string& path);

}  // namespace tarvic
