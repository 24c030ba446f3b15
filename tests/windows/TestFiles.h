#pragma once

#include <windows.h>

#include <doctest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "host/win32/LongPath.h"

// File-system helpers for the tests; each fails the test when the system refuses.
namespace tarvic::testing {

inline void MakeFolder(const std::wstring& path) {
  REQUIRE(CreateDirectoryW(win32::ForFileApi(path).c_str(), nullptr));
}

inline void WriteBytes(const std::wstring& path, const std::string& bytes, DWORD attributes = 0) {
  REQUIRE((std::ofstream(std::filesystem::path(win32::ForFileApi(path)), std::ios::binary) << bytes)
              .good());
  if (attributes != 0) REQUIRE(SetFileAttributesW(win32::ForFileApi(path).c_str(), attributes));
}

inline std::string ReadBytes(const std::wstring& path) {
  std::ifstream file(std::filesystem::path(win32::ForFileApi(path)), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

inline void RemoveTree(const std::wstring& path) {
  WIN32_FIND_DATAW entry;
  const HANDLE find = FindFirstFileW(win32::ForFileApi(path + L"\\*").c_str(), &entry);
  for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileW(find, &entry)) {
    const std::wstring name = entry.cFileName, child = path + L"\\" + name;
    if (name == L"." || name == L"..") continue;
    SetFileAttributesW(win32::ForFileApi(child).c_str(), FILE_ATTRIBUTE_NORMAL);
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(child);
    DeleteFileW(win32::ForFileApi(child).c_str());
  }
  if (find != INVALID_HANDLE_VALUE) FindClose(find);
  // A child process that has just ended may hold the folder as its current one a moment longer.
  for (int tries = 0; !RemoveDirectoryW(win32::ForFileApi(path).c_str()) && tries < 50; ++tries) {
    Sleep(100);
  }
}

// A fresh temp folder for one test, removed with all it holds; `beyondPathLimit`: past MAX_PATH.
class TempFolder {
 public:
  explicit TempFolder(bool beyondPathLimit = false) {
    static int count = 0;
    path_ = (std::filesystem::temp_directory_path() / L"tarvic-test-").wstring() +
            std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++count) +
            std::wstring(beyondPathLimit ? 230 : 0, L'd');
    MakeFolder(path_);
  }
  ~TempFolder() { RemoveTree(path_); }
  std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
};

}  // namespace tarvic::testing
