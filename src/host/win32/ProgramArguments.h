#pragma once

#include <string>
#include <vector>

namespace tarvic::win32 {

// The program's arguments after its own name, as the C runtime split and unquoted them.
std::vector<std::string> ProgramArguments();

}  // namespace tarvic::win32
