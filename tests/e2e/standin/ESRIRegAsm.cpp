// Stands in for the registration tool: logs each call's items between bars, a line per call,
// beside itself. For an item ending in \NAME, NAME.code in its current folder holds the exit code
// and while NAME.hold is there the call waits, already logged (so the folder is checked too).
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "../driver/Files.h"

int wmain(int argc, wchar_t** argv) {
  std::wstring call = argv[0];
  for (int i = 1; i < argc; ++i) call += L"|" + std::wstring(argv[i]);
  wchar_t self[MAX_PATH * 2] = {};
  const std::wstring beside(self, GetModuleFileNameW(nullptr, self, MAX_PATH * 2) - 14);
  FILE* file = _wfopen((beside + L"ESRIRegAsm.log").c_str(), L"ab");
  if (!file || std::fprintf(file, "%s\n", Narrow(call).c_str()) < 0 || std::fclose(file) != 0)
    return 3;

  unsigned long code = 0;
  for (int i = 1; i < argc; ++i) {
    const std::wstring item = argv[i], name = item.substr(item.rfind(L'\\') + 1);
    while (GetFileAttributesW((name + L".hold").c_str()) != INVALID_FILE_ATTRIBUTES) Sleep(50);
    const std::string answer = FileText(Narrow(name + L".code"));
    if (!answer.starts_with("<no file")) code = std::strtoul(answer.c_str(), nullptr, 0);
  }
  return static_cast<int>(code);
}
