#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "batch/Catalogue.h"

namespace tarvic {

class Host;

enum class RegistrationKind { Register, Unregister };

// How long one call of the tool may take before the run ends it.
inline constexpr std::uint32_t kRegistrationTimeoutMs = 5 * 60 * 1000;

// The tool's command line for one extension: its batch line, rebuilt from the real long paths
// for CreateProcess, ending in /s. The tool so gets the same arguments as from a quiet run's
// batch file, without cmd in between; only where the batch file must fall back to an 8.3 name
// (a path the console code page cannot hold) does it get the long name of the same file.
std::string RegistrationCommandLine(RegistrationKind kind, const std::string& toolPath,
                                    const std::string& programFolder, const ExtensionEntry& entry);

// The line of a call that was still running when Windows ended the session.
std::string EndedBySessionLine(const ExtensionEntry& entry);

struct RegistrationTally {
  std::size_t succeeded = 0;
  std::size_t total = 0;
  bool refused = false;          // not an administrator: nothing was run
  bool othersCanChange = false;  // others can change what it would run: nothing was run
};

// The section comes in pieces, each starting with the line break before it, so that a window can
// append each as it comes: SectionPieceLines gives a piece as the lines a log adds, each ending
// in CR LF.
std::string SectionPieceLines(const std::string& piece);

// Runs the tool for each entry in turn, on the long form of the program folder, one call ending
// before the next starts (a call past its limit is ended first), and hands the section that tells
// the result to `append` in pieces as it grows: its banner first, each entry's line as its call
// ends, the summary last. `entries` are those whose batch files were written, never none. Before
// each call it asks `stopRequested`; once that says yes, the remaining entries are not run. Without
// an administrator's token, or when others can change the program folder, the `scannedFiles` (the
// libraries and scripts found there) or the tool, nothing is run and the section says why.
RegistrationTally RunRegistrations(Host& host, RegistrationKind kind, const std::string& toolPath,
                                   const std::string& programFolder,
                                   const std::vector<std::string>& scannedFiles,
                                   const std::vector<ExtensionEntry>& entries,
                                   const std::function<bool()>& stopRequested,
                                   const std::function<void(const std::string&)>& append);

}  // namespace tarvic
