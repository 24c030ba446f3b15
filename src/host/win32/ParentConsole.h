#pragma once

#include <string>

namespace tarvic::win32 {

// Writes the text where the starting console shows it: to a redirected standard output as
// UTF-8, else to the parent's console. False, and nothing written, when there is neither. A
// write that fails there still answers true: the text was meant for that console, and a box
// instead would stop a run nobody watches.
bool PrintToParentConsole(const std::string& text);

}  // namespace tarvic::win32
