#include "host/win32/ProgramArguments.h"

#include <windows.h>

#include <cstdlib>

#include "host/win32/Utf16.h"

namespace tarvic::win32 {

std::vector<std::string> ProgramArguments() {
  std::vector<std::string> arguments;
  for (int i = 1; i < __argc && __wargv != nullptr; ++i) arguments.push_back(Narrow(__wargv[i]));
  return arguments;
}

}  // namespace tarvic::win32
