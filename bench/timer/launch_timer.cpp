// Starts programs in turn (A B C A B C ...) from their own folders, each without the batch files
// of the start before, and measures, for each start, the time from CreateProcess to a visible
// top-level window whose edit box answers WM_GETTEXT.
// Prints each time, and per program its median, the first program's ratio to it, its peak
// working set and the length of its edit box's text.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Sample {
  double ms = 0;
  SIZE_T peakWorkingSet = 0;
  size_t textLength = 0;
};

struct Search {
  DWORD pid;
  HWND edit;
};

BOOL CALLBACK FindEdit(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != search->pid || !IsWindowVisible(window)) return TRUE;
  HWND edit = FindWindowExW(window, nullptr, L"Edit", nullptr);
  if (edit == nullptr) return TRUE;
  search->edit = edit;
  return FALSE;
}

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::wstring FolderOf(const std::wstring& path) {
  const auto slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

// Each start then writes its batch files under new names, as a first run in the folder does;
// under Wine a name that does not exist yet costs a scan of the whole folder.
void RemoveBatchFiles(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*.bat").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    DeleteFileW((folder + L"\\" + found.cFileName).c_str());
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

bool RunOnce(const std::wstring& exe, Sample& sample) {
  RemoveBatchFiles(FolderOf(exe));
  STARTUPINFOW si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  std::wstring commandLine = L"\"" + exe + L"\"";
  const std::wstring folder = FolderOf(exe);
  const double start = Now();
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &si, &pi)) {
    std::fwprintf(stderr, L"cannot start %ls (%lu)\n", exe.c_str(), GetLastError());
    return false;
  }
  Search search = {pi.dwProcessId, nullptr};
  bool ready = false;
  while (Now() - start < 120000) {
    search.edit = nullptr;
    EnumWindows(FindEdit, reinterpret_cast<LPARAM>(&search));
    DWORD_PTR length = 0;
    if (search.edit != nullptr &&
        SendMessageTimeoutW(search.edit, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) {
      std::wstring text(length + 1, L'\0');
      DWORD_PTR copied = 0;
      SendMessageTimeoutW(search.edit, WM_GETTEXT, length + 1,
                          reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 5000, &copied);
      sample.textLength = copied;
      ready = true;
      break;
    }
    Sleep(1);
  }
  sample.ms = Now() - start;
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  if (GetProcessMemoryInfo(pi.hProcess, &counters, sizeof counters)) {
    sample.peakWorkingSet = counters.PeakWorkingSetSize;
  }
  if (search.edit != nullptr) PostMessageW(GetAncestor(search.edit, GA_ROOT), WM_CLOSE, 0, 0);
  if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return ready;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fwprintf(stderr, L"usage: launch_timer RUNS PROGRAM...\n");
    return 2;
  }
  const int runs = _wtoi(argv[1]);
  const std::vector<std::wstring> programs(argv + 2, argv + argc);
  const size_t count = programs.size();
  std::vector<std::vector<double>> times(count);
  std::vector<SIZE_T> peak(count, 0);
  std::vector<size_t> textLength(count, 0);
  // One unmeasured start of each first: the first start after a pause is always slow.
  for (const auto& program : programs) {
    Sample warmUp;
    if (!RunOnce(program, warmUp)) return 1;
  }
  for (int run = 0; run < runs; ++run) {
    for (size_t which = 0; which < count; ++which) {
      Sample sample;
      if (!RunOnce(programs[which], sample)) return 1;
      times[which].push_back(sample.ms);
      peak[which] = std::max(peak[which], sample.peakWorkingSet);
      textLength[which] = sample.textLength;
    }
  }
  for (size_t which = 0; which < count; ++which) {
    std::wprintf(L"%zu: runs", which);
    for (double t : times[which]) std::wprintf(L" %.1f", t);
    std::wprintf(L"\n");
  }
  const double first = Median(times[0]);
  for (size_t which = 0; which < count; ++which) {
    const double median = Median(times[which]);
    std::wprintf(L"median_%zu_ms=%.1f ratio_%zu=%.3f peak_ws_%zu_kib=%zu text_%zu=%zu ", which,
                 median, which, first / median, which, peak[which] / 1024, which,
                 textLength[which]);
  }
  std::wprintf(L"\n");
  return 0;
}
