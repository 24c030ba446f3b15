// Tarvic Kit: writes the installation batch files of the extensions beside it and reports.

#include <windows.h>

#include <cstdlib>

#include "app/Application.h"
#include "host/win32/ProcessStart.h"
#include "host/win32/Win32Host.h"
#include "ui/win32/WindowFactory.h"

// An exception nothing caught ends the program at once. The runtime's own handler would first
// print its type, demangled, to a console that a window program does not have; defining the
// handler here keeps it, and the demangler it brings (some 46 KB), out of the program.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
  std::abort();
}
}  // namespace __gnu_cxx

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  tarvic::win32::RestrictDllSearchToSystemFolder();
  tarvic::win32::SilenceFailingDriveProbes();
  tarvic::win32::Win32Host host;
  tarvic::win32::Win32WindowFactory windows(showCommand);
  return tarvic::RunApplication(host, windows);
}
