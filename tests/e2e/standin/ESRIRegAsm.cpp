// Stands in for the registration tool: it appends the items it was called with, between bars, to
// a log beside itself, one call a line, so the tests see the exact arguments cmd handed over.
#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv) {
  std::wstring call = argv[0];
  for (int i = 1; i < argc; ++i) call += L"|" + std::wstring(argv[i]);
  std::string line(call.size() * 3, '\0');
  line.resize(WideCharToMultiByte(CP_UTF8, 0, call.data(), static_cast<int>(call.size()),
                                  line.data(), static_cast<int>(line.size()), nullptr, nullptr));
  wchar_t log[MAX_PATH * 2] = {};
  wcscpy(log + GetModuleFileNameW(nullptr, log, MAX_PATH * 2) - 3, L"log");  // ESRIRegAsm.log
  HANDLE file = CreateFileW(log, FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
  DWORD written = 0;
  line += '\n';
  return WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) ? 0 : 3;
}
