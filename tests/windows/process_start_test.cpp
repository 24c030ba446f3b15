#include <windows.h>

#include <doctest.h>

#include "host/win32/ProcessStart.h"

TEST_CASE("Start-up keeps the error mode's flags and silences failing drive probes") {
  const UINT before = SetErrorMode(SEM_NOGPFAULTERRORBOX);
  tarvic::win32::SilenceFailingDriveProbes();
  const UINT after = SetErrorMode(before);
  CHECK(after == (SEM_NOGPFAULTERRORBOX | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX));
}
