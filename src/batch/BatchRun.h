#pragma once

#include <optional>
#include <string>
#include <vector>

#include "batch/Catalogue.h"
#include "batch/ToolLocator.h"
#include "errors/ErrorTrap.h"

namespace tarvic {

class Host;

// What the command line changes in a run.
struct RunOptions {
  bool silentTool = false;              // batch lines end with /s
  std::optional<std::string> toolPath;  // replaces the six fixed places
};

// What the exit code of an unattended run is made of. A run cut short by a failure leaves
// the flags as far as it got.
struct RunOutcome {
  bool toolMissing = false;
  bool anyCreated = false;
  bool missingAfterWrite = false;  // an entry's batch file was not found after its write
  // What the registrations after the run need: the tool as located, the program folder (with
  // its backslash) and the entries whose batch files were written, in catalogue order.
  std::string regAsmPath;
  std::string programFolder;
  std::vector<ExtensionEntry> written;
  std::vector<std::string> scannedFiles;  // every .dll and .reg the scan found, as full paths
};

// Steps 2 to 8 of the load handler: scan, locate the tool, check the rich-text control, write
// the batch files and assemble the report. Returns the text for the report box. Failures
// outside the batch-file writer throw to the load handler's trap, which marks lines through
// `trap`.
std::string RunBatch(Host& host, RunChannels& channels, const DirProbe& returnDirValue,
                     ErrorTrap& trap, const RunOptions& options, RunOutcome& outcome);

}  // namespace tarvic
