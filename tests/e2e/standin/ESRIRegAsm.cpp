// Stands in for the registration tool: it records how a batch file called it, so the tests can
// check the exact arguments cmd handed over, then succeeds.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <string>

namespace {

std::string Utf8(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return {};
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
  out.pop_back();
  return out;
}

std::wstring LogPath() {
  wchar_t self[MAX_PATH * 2] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH * 2);
  std::wstring path = self;
  return path.substr(0, path.find_last_of(L'\\') + 1) + L"ESRIRegAsm.log";
}

}  // namespace

int wmain() {
  const wchar_t* commandLine = GetCommandLineW();
  // One record per call: the raw command line, each parsed item, then a closing line.
  std::string record = "cmdline=" + Utf8(commandLine) + "\n";
  int count = 0;
  if (wchar_t** items = CommandLineToArgvW(commandLine, &count)) {
    for (int i = 0; i < count; ++i) record += "arg=" + Utf8(items[i]) + "\n";
    LocalFree(items);
  }
  record += "end\n";

  HANDLE log = CreateFileW(LogPath().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (log == INVALID_HANDLE_VALUE) return 3;
  DWORD written = 0;
  const BOOL ok =
      WriteFile(log, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
  CloseHandle(log);
  return ok ? 0 : 3;
}
