#pragma once

#include <string>
#include <vector>

#include "batch/Catalogue.h"
#include "errors/ErrorSink.h"

namespace tarvic {

class Host;

// Who reads a tool line: cmd, from a batch file, or CreateProcess, when the program starts the
// tool itself.
enum class LineReader { Cmd, CreateProcess };

// The one command line of each batch file, from paths already in the form cmd reads
// (Host::CmdPathForm). Paths are quoted, and for cmd each % is doubled so that it passes through
// literally. A silent line ends with /s, so that the tool shows no box of its own.
//
// CreateProcess gets the real long paths, quoted only: no other character is special to it, and
// the tool's runtime splits a quoted path that holds no '"' (no file name can) and does not end
// in a backslash (a path to a file never does) into exactly that path.
std::string RegisterLine(const std::string& toolPath, const std::string& dllPath,
                         const std::string& regPath, bool silent,
                         LineReader reader = LineReader::Cmd);
std::string UnregisterLine(const std::string& toolPath, const std::string& dllPath, bool silent,
                           LineReader reader = LineReader::Cmd);

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
