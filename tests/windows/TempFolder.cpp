#include "TempFolder.h"

#include <doctest.h>

#include "host/win32/LongPath.h"

namespace tarvic::testing {

using win32::ForFileApi;

TempFolder::TempFolder() {
  static unsigned counter = 0;
  wchar_t temp[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
  REQUIRE(length > 0);
  std::wstring base(temp, length);
  if (base.back() == L'\\') base.pop_back();
  path_ = base + L"\\tarvic-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
          std::to_wstring(++counter);
  MakeFolder(path_);
}

TempFolder::~TempFolder() {
  RemoveTree(path_);
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  const HANDLE file = CreateFileW(ForFileApi(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  REQUIRE(file != INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  REQUIRE(written == bytes.size());
}

std::string ReadBytes(const std::wstring& path) {
  const HANDLE file = CreateFileW(ForFileApi(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  REQUIRE(file != INVALID_HANDLE_VALUE);
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  bytes.resize(read);
  return bytes;
}

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(ForFileApi(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void MakeFolder(const std::wstring& path) {
  REQUIRE(CreateDirectoryW(ForFileApi(path).c_str(), nullptr));
}

void SetAttributes(const std::wstring& path, DWORD attributes) {
  REQUIRE(SetFileAttributesW(ForFileApi(path).c_str(), attributes));
}

void RemoveTree(const std::wstring& path) {
  WIN32_FIND_DATAW entry;
  const HANDLE find = FindFirstFileW(ForFileApi(path + L"\\*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = entry.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring child = path + L"\\" + name;
      SetFileAttributesW(ForFileApi(child).c_str(), FILE_ATTRIBUTE_NORMAL);
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        DeleteFileW(ForFileApi(child).c_str());
      }
    } while (FindNextFileW(find, &entry));
    FindClose(find);
  }
  RemoveDirectoryW(ForFileApi(path).c_str());
}

}  // namespace tarvic::testing
