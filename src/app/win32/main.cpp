// Tarvic Kit: writes the installation batch files of the extensions beside it and reports.

#include <windows.h>

#include "app/Application.h"
#include "host/HostFailure.h"
#include "host/win32/ProcessStart.h"
#include "host/win32/Utf16.h"
#include "host/win32/Win32Host.h"
#include "ui/win32/Desktop.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  tarvic::win32::RestrictDllSearchToSystemFolder();
  tarvic::win32::SilenceFailingDriveProbes();
  try {
    tarvic::win32::Win32Host host;
    tarvic::win32::Win32Desktop desktop(showCommand);
    return tarvic::RunApplication(host, desktop);
  } catch (const tarvic::HostFailure& failure) {
    // Only the main window's creation can get here; every handler traps its own failures.
    MessageBoxW(nullptr, tarvic::win32::Widen(failure.Description()).c_str(), L"Tarvic_Kit",
                MB_ICONERROR | MB_TASKMODAL);
    return 1;
  }
}
