// Stands in for the registration tool: it appends the items it was called with, between bars, to
// a log beside itself, one call a line, so the tests see the exact arguments it was handed.
// Beside it, ESRIRegAsm.answers may name libraries, one "NAME CODE" a line: a call naming NAME
// (as the last part of an argument) then exits with CODE, else with 0. While ESRIRegAsm.hold
// exists and names the call's library on a line of its own, the call waits, already logged,
// until the test releases it by removing the name or the file.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

std::wstring Beside(const wchar_t* extension) {
  wchar_t path[MAX_PATH * 2] = {};
  std::wstring self(path, GetModuleFileNameW(nullptr, path, MAX_PATH * 2));
  return self.substr(0, self.size() - 3) + extension;  // ESRIRegAsm.exe -> ESRIRegAsm.<extension>
}

std::string Utf8(const std::wstring& text) {
  std::string bytes(text.size() * 3, '\0');
  bytes.resize(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                   bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr));
  return bytes;
}

std::string Read(const std::wstring& path) {
  std::string bytes;
  if (FILE* file = _wfopen(path.c_str(), L"rb")) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
      bytes.append(buffer, n);
    std::fclose(file);
  }
  return bytes;
}

bool NamesLibrary(int argc, wchar_t** argv, const std::string& name) {
  for (int i = 1; i < argc; ++i) {
    const std::string item = Utf8(argv[i]);
    const std::string last = item.substr(item.rfind('\\') + 1);
    if (!name.empty() && _stricmp(last.c_str(), name.c_str()) == 0) return true;
  }
  return false;
}

bool Held(int argc, wchar_t** argv) {
  std::istringstream lines(Read(Beside(L"hold")));
  for (std::string name; std::getline(lines, name);) {
    if (!name.empty() && name.back() == '\r') name.pop_back();
    if (NamesLibrary(argc, argv, name)) return true;
  }
  return false;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::wstring call = argv[0];
  for (int i = 1; i < argc; ++i) call += L"|" + std::wstring(argv[i]);
  FILE* log = _wfopen(Beside(L"log").c_str(), L"ab");
  if (!log || std::fprintf(log, "%s\n", Utf8(call).c_str()) < 0 || std::fclose(log) != 0) return 3;

  while (Held(argc, argv)) Sleep(50);
  std::istringstream answers(Read(Beside(L"answers")));
  std::string name, code;
  while (answers >> name >> code) {
    if (NamesLibrary(argc, argv, name))
      return static_cast<int>(std::strtoul(code.c_str(), nullptr, 0));
  }
  return 0;
}
