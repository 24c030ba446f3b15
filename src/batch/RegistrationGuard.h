#pragma once

#include <optional>
#include <string>
#include <vector>

#include "batch/Registration.h"

namespace tarvic {

class Host;

// An elevated registration loads each library and runs its code with the run's own token, so
// whoever can change what it loads can run code as administrator. Checks each path that decides
// what runs, each once: the program folder (with its backslash), the scanned libraries and
// scripts, the tool and its folder, then every folder above the program folder for replacing
// its children. Returns the section's text of refusal, naming
// who else can change each path; nothing when only the trusted can change any of them.
std::optional<std::string> RefusalForChangeablePaths(Host& host, RegistrationKind kind,
                                                     const std::string& programFolder,
                                                     const std::vector<std::string>& scannedFiles,
                                                     const std::string& toolPath);

}  // namespace tarvic
