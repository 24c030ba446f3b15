#pragma once

#include <string>
#include <vector>

#include "batch/Catalogue.h"
#include "errors/ErrorSink.h"

namespace tarvic {

class Host;

std::string BatchSuccessText(const ExtensionEntry& entry, const std::string& registerBatPath,
                             const std::string& unregisterBatPath);
std::string BatchFailureText(const ExtensionEntry& entry, const std::string& registerLine,
                             const std::string& unregisterLine);

// Writes the entry's register and unregister batch files when its library and registry script
// are both among the found files. Returns true once both were written (EntryText then tells
// whether both were found afterwards, and so does `foundAfterWrite`); false when absent or when
// writing failed, which is reported through the procedure's own trap.
bool MakeBatchFiles(Host& host, ErrorSink& errors, const ExtensionEntry& entry,
                    const std::string& regAsmPath, const std::vector<std::string>& foundDlls,
                    const std::vector<std::string>& foundRegs, bool silentTool,
                    std::string& entryText, bool& foundAfterWrite);

}  // namespace tarvic
