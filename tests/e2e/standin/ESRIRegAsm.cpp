// Stands in for the registration tool: it appends the items it was called with, between bars, to
// a log beside itself, one call a line, so the tests see the exact arguments cmd handed over.
#include <windows.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv) {
  std::wstring call = argv[0];
  for (int i = 1; i < argc; ++i) call += L"|" + std::wstring(argv[i]);
  std::string line(call.size() * 3, '\0');
  line.resize(WideCharToMultiByte(CP_UTF8, 0, call.data(), static_cast<int>(call.size()),
                                  line.data(), static_cast<int>(line.size()), nullptr, nullptr));
  wchar_t log[MAX_PATH * 2] = {};
  wcscpy(log + GetModuleFileNameW(nullptr, log, MAX_PATH * 2) - 3, L"log");  // ESRIRegAsm.log
  FILE* file = _wfopen(log, L"ab");
  return file && std::fprintf(file, "%s\n", line.c_str()) > 0 && std::fclose(file) == 0 ? 0 : 3;
}
