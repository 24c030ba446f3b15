#pragma once

#include <string>
#include <vector>

namespace tarvic::win32 {

// The program's arguments after its own name, as the C runtime split and unquoted them.
std::vector<std::string> ProgramArguments();

// Creates or replaces the file with exactly these bytes; a relative path is taken from the
// current folder. With `append`, adds them at the end of an existing file. Throws HostFailure.
void WriteBytesToFile(const std::string& path, const std::string& bytes, bool append = false);

// Writes the text where the starting console shows it: to a redirected standard output as
// UTF-8, else to the parent's console. False, and nothing written, when there is neither.
bool PrintToParentConsole(const std::string& text);

}  // namespace tarvic::win32
