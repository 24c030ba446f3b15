// Started by the process-runner tests: sleeps for as many milliseconds as its argument says, then
// leaves child.end in its current folder.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>

int wmain(int argc, wchar_t** argv) {
  Sleep(argc > 1 ? std::wcstoul(argv[1], nullptr, 10) : 0);
  std::fclose(_wfopen(L"child.end", L"wb"));
  return 0;
}
