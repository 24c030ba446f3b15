// Stands in for the registration tool: it appends the items it was called with to a log beside
// itself, one call a line, so the tests can check the exact arguments cmd handed over.
#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv) {
  std::wstring call;
  for (int i = 0; i < argc; ++i) call += (i ? L"|" : L"") + std::wstring(argv[i]);
  call += L"\n";
  std::string record(call.size() * 3, '\0');
  record.resize(WideCharToMultiByte(CP_UTF8, 0, call.data(), static_cast<int>(call.size()),
                                    record.data(), static_cast<int>(record.size()), nullptr,
                                    nullptr));

  wchar_t log[MAX_PATH * 2] = {};
  const DWORD length = GetModuleFileNameW(nullptr, log, MAX_PATH * 2);
  wcscpy(log + length - 3, L"log");  // ESRIRegAsm.exe -> ESRIRegAsm.log
  HANDLE file = CreateFileW(log, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  const bool ok =
      file != INVALID_HANDLE_VALUE &&
      WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
  CloseHandle(file);
  return ok ? 0 : 3;
}
