// Started by the process-runner tests: writes its current folder and its arguments, between bars,
// to child.out where it runs; then sleeps for as many milliseconds as its second argument says,
// writes child.end and exits with its first argument as the code.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int wmain(int argc, wchar_t** argv) {
  wchar_t folder[MAX_PATH * 2] = {};
  std::wstring seen(folder, GetCurrentDirectoryW(MAX_PATH * 2, folder));
  for (int i = 1; i < argc; ++i) seen += L"|" + std::wstring(argv[i]);
  std::string bytes(seen.size() * 3, '\0');
  bytes.resize(WideCharToMultiByte(CP_UTF8, 0, seen.data(), static_cast<int>(seen.size()),
                                   bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr));
  FILE* out = _wfopen(L"child.out", L"wb");
  std::fwrite(bytes.data(), 1, bytes.size(), out);
  std::fclose(out);
  if (argc > 2) Sleep(std::wcstoul(argv[2], nullptr, 10));
  std::fclose(_wfopen(L"child.end", L"wb"));
  return static_cast<int>(std::wcstoul(argc > 1 ? argv[1] : L"0", nullptr, 10));
}
