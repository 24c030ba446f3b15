// Started by the process-runner tests. Writes its current folder and its arguments, between bars,
// to child.out in its current folder; then, when its first argument is a number, sleeps for the
// second (milliseconds), writes child.end and exits with the first.
#include <windows.h>

#include <cwchar>
#include <cwctype>
#include <string>

namespace {

void Write(const wchar_t* name, const std::wstring& text) {
  std::string bytes(text.size() * 3, '\0');
  bytes.resize(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                   bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr));
  const HANDLE file =
      CreateFileW(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  wchar_t folder[MAX_PATH * 2] = {};
  std::wstring seen(folder, GetCurrentDirectoryW(MAX_PATH * 2, folder));
  for (int i = 1; i < argc; ++i) seen += L"|" + std::wstring(argv[i]);
  Write(L"child.out", seen);
  if (argc < 2 || !std::iswdigit(argv[1][0])) return 0;
  if (argc > 2) Sleep(std::wcstoul(argv[2], nullptr, 10));
  Write(L"child.end", L"");
  return static_cast<int>(std::wcstoul(argv[1], nullptr, 10));
}
