// Tarvic Kit: writes the installation batch files of the extensions beside it and reports.

#include <windows.h>

#include <commctrl.h>

#include "cli/ProgramRun.h"
#include "host/win32/DynamicCalls.h"
#include "host/win32/ProcessStart.h"
#include "host/win32/Utf16.h"
#include "host/win32/Win32Host.h"
#include "ui/win32/FindFileWindow.h"
#include "ui/win32/FormParts.h"
#include "ui/win32/MainWindow.h"

namespace {

int RunProgram(int showCommand) {
  tarvic::win32::SilenceFailingDriveProbes();

  tarvic::win32::Win32Host host(tarvic::win32::ShowFindFileDialog);
  tarvic::ProgramRun run(host);
  if (run.Done()) return run.ExitCode();
  if (run.Quiet()) return run.RunQuiet();

  INITCOMMONCONTROLSEX controls = {};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
  if (const auto init = tarvic::win32::ComCtl32().initCommonControlsEx) init(&controls);

  tarvic::frmBatch& form = run.Form();
  tarvic::win32::MainWindow window(form);
  form.Attach(&window);

  // The whole run happens here, before the window is first seen; the log is written before
  // anyone has to close the window.
  form.Form_Load();
  const int exitCode = run.Finish(window.ReportText());
  window.Show(showCommand);
  tarvic::win32::RunMessageLoop();
  return exitCode;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  tarvic::win32::RestrictDllSearchToSystemFolder();
  try {
    return RunProgram(showCommand);
  } catch (const tarvic::HostFailure& failure) {
    // Only the main window's creation can get here; every handler traps its own failures.
    MessageBoxW(nullptr, tarvic::win32::Widen(failure.Description()).c_str(), L"Tarvic_Kit",
                MB_ICONERROR | MB_TASKMODAL);
    return 1;
  }
}
