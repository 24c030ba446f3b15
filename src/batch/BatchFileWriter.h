#pragma once

#include <string>
#include <vector>

#include "batch/Catalogue.h"
#include "errors/ErrorSink.h"
#include "host/Host.h"

namespace tarvic {

// The one command line of each batch file, from paths already in the form cmd reads
// (Host::CmdPathForm). Paths are quoted, and each % is doubled so that cmd passes it through
// literally. A silent line ends with /s, so that the tool shows no box of its own.
std::string RegisterLine(const std::string& toolPath, const std::string& dllPath,
                         const std::string& regPath, bool silent);
std::string UnregisterLine(const std::string& toolPath, const std::string& dllPath, bool silent);

std::string BatchSuccessText(const ExtensionEntry& entry, const std::string& registerBatPath,
                             const std::string& unregisterBatPath);
std::string BatchFailureText(const ExtensionEntry& entry, const std::string& registerLine,
                             const std::string& unregisterLine);

// Writes the entry's register and unregister batch files when its library and registry script
// are both among the found files. Returns true once both were written (EntryText then tells
// whether both were found afterwards); false when absent or when writing failed, which is
// reported through the procedure's own trap.
bool MakeBatchFiles(Host& host, ErrorSink& errors, const ExtensionEntry& entry,
                    const std::string& regAsmPath, const std::vector<std::string>& foundDlls,
                    const std::vector<std::string>& foundRegs, bool silentTool,
                    std::string& entryText);

}  // namespace tarvic
