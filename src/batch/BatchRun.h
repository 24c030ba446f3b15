#pragma once

#include <string>

#include "batch/ToolLocator.h"
#include "errors/ErrorTrap.h"
#include "host/Host.h"

namespace tarvic {

// Steps 2 to 8 of the load handler: scan, locate the tool, check the rich-text control, write
// the batch files and assemble the report. Returns the text for the report box. Failures
// outside the batch-file writer throw to the load handler's trap, which marks lines through
// `trap`.
std::string RunBatch(Host& host, const DirProbe& returnDirValue, ErrorTrap& trap);

}  // namespace tarvic
