#pragma once

// Strings and whole files for the scenarios: UTF-8 inside, UTF-16 only at the calls.
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "host/win32/Utf16.h"

using tarvic::win32::Narrow;
using tarvic::win32::Widen;

// What the test script passes down. It gives Unix paths, and Wine shows the Unix root as Z:.
inline std::string FromScript(const char* name) {
  wchar_t value[4096] = {};
  GetEnvironmentVariableW(Widen(name).c_str(), value, 4096);
  std::string text = value[0] == L'/' ? "Z:" + Narrow(value) : Narrow(value);
  std::replace(text.begin(), text.end(), '/', '\\');
  return text;
}

// Whole bytes of a file, or a marker that cannot be mistaken for them.
inline std::string FileText(const std::string& path) {
  std::ifstream in(std::filesystem::path(Widen(path)), std::ios::binary);
  return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<no file " + path + ">";
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(std::filesystem::path(Widen(path)), std::ios::binary) << bytes;
}

inline std::map<std::string, std::string> FilesIn(const std::string& folder,
                                                  const std::string& pattern) {
  std::map<std::string, std::string> files;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(Widen(folder + pattern).c_str(), &found);
  for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found)) {
    const std::string name = Narrow(found.cFileName);
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files[name] = FileText(folder + name);
  }
  FindClose(search);
  return files;
}
