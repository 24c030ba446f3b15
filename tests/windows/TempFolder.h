#pragma once

#include <windows.h>

#include <string>

namespace tarvic::testing {

// A fresh folder under the system's temp folder for one test, removed with all it holds.
class TempFolder {
 public:
  TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder();

  // Full path, without a trailing backslash.
  const std::wstring& Path() const { return path_; }
  std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
};

// Small file-system helpers for the tests; each fails the test when the system refuses.
void WriteBytes(const std::wstring& path, const std::string& bytes);
std::string ReadBytes(const std::wstring& path);
bool Exists(const std::wstring& path);
void MakeFolder(const std::wstring& path);
void SetAttributes(const std::wstring& path, DWORD attributes);
void RemoveTree(const std::wstring& path);

}  // namespace tarvic::testing
