#pragma once

#include <string>

namespace tarvic {

// The tool's command lines, as the batch files and the registration run give them.

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

}  // namespace tarvic
