// Stands in for the registration tool: it appends the items it was called with, between bars, to
// a log beside itself, one call a line, so the tests see the exact arguments it was handed.
// For an item that ends in \NAME, a file NAME.code in its current folder holds the exit code to
// give, and while a file NAME.hold is there the call waits, already logged, until the test
// removes it: so a test also sees which folder the tool was started in.
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
    if (FILE* answer = _wfopen((name + L".code").c_str(), L"rb")) {
      char text[32] = {};
      std::fread(text, 1, sizeof text - 1, answer);
      code = std::strtoul(text, nullptr, 0);
      std::fclose(answer);
    }
  }
  return static_cast<int>(code);
}
