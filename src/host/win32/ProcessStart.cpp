#include "host/win32/ProcessStart.h"

#include <windows.h>

#include "host/win32/DynamicCalls.h"

namespace tarvic::win32 {

void RestrictDllSearchToSystemFolder() {
  const Kernel32Calls& kernel32 = Kernel32();
  if (kernel32.setDefaultDllDirectories != nullptr &&
      kernel32.setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    return;
  }
  // Older systems: at least take the current folder out of the search; the program's own
  // libraries are then loaded by full path (LoadSystemLibrary), and so are those that system
  // libraries would load by bare name from the program's folder first.
  if (kernel32.setDllDirectoryW != nullptr) kernel32.setDllDirectoryW(L"");
  PreloadLibrariesLoadedByBareName();
}

void SilenceFailingDriveProbes() {
  // Two fixed tool paths are on D:, often an empty card or optical drive, where Windows would
  // otherwise stop the run with "There is no disk in the drive". GetErrorMode is Vista and
  // later, so the current mode is read by setting it.
  const UINT current = SetErrorMode(0);
  SetErrorMode(current | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
}

}  // namespace tarvic::win32
