// Tarvic Kit: writes the installation batch files of the extensions beside it and reports.

#include <windows.h>

#include "app/Application.h"
#include "host/win32/ProcessStart.h"
#include "host/win32/Win32Host.h"
#include "ui/win32/WindowFactory.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  tarvic::win32::RestrictDllSearchToSystemFolder();
  tarvic::win32::SilenceFailingDriveProbes();
  tarvic::win32::Win32Host host;
  tarvic::win32::Win32WindowFactory windows(showCommand);
  return tarvic::RunApplication(host, windows);
}
