// Times the six fixed probes for ESRIRegAsm.exe through the program's own code path (the main
// window's silent existence probe on the real host), as the locator makes them.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/Channels.h"
#include "batch/ToolLocator.h"
#include "host/win32/Win32Host.h"
#include "ui/frmBatch.h"

namespace {

double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc > 1 ? _wtoi(argv[1]) : 10;
  std::vector<double> totals;
  int found = -1;
  for (int run = 0; run < runs; ++run) {
    tarvic::win32::Win32Host host;
    // A quiet run's channels: the probes ask nobody and report nothing.
    tarvic::RunLog log(host, std::nullopt);
    tarvic::QuietChannelSet quiet(host, log);
    // A fresh window per run: no share remembered from before.
    tarvic::frmBatch form(host, quiet.Channels());
    const double start = Now();
    const auto& candidates = tarvic::ToolCandidates();
    for (std::size_t i = 0; i < candidates.size(); ++i) {
      if (!form.ReturnDirValue(candidates[i]).empty() && found < 0) found = static_cast<int>(i);
    }
    totals.push_back(Now() - start);
  }
  std::sort(totals.begin(), totals.end());
  std::wprintf(L"probes_median_ms=%.2f probes_max_ms=%.2f found_at=%d\n", totals[totals.size() / 2],
               totals.back(), found + 1);
  return 0;
}
