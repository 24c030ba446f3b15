#include "host/win32/LongPath.h"

#include <windows.h>

#include <algorithm>

#include "text/UncPath.h"

namespace tarvic::win32 {

namespace {

// Room for an 8.3 file name below a folder, the limit that CreateDirectoryW and friends apply.
constexpr std::size_t kClassicLimit = MAX_PATH - 12;

bool IsDriveAbsolute(const std::wstring& path) {
  return path.size() >= 3 && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/');
}

bool HasDevicePrefix(const std::wstring& path) {
  return path.rfind(L"\\\\?\\", 0) == 0 || path.rfind(L"\\\\.\\", 0) == 0;
}

}  // namespace

std::wstring FullPath(const std::wstring& path) {
  const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::wstring full(needed, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return path;
  full.resize(length);
  return full;
}

std::wstring ForFileApi(const std::wstring& path) {
  if (path.size() <= kClassicLimit || HasDevicePrefix(path)) return path;
  if (IsDriveAbsolute(path)) return L"\\\\?\\" + FullPath(path);
  // The system reads / as \ in a UNC root too.
  std::wstring backslashed = path;
  std::replace(backslashed.begin(), backslashed.end(), L'/', L'\\');
  if (UncRootLength(backslashed) != 0) return L"\\\\?\\UNC\\" + FullPath(path).substr(2);
  return path;
}

std::wstring WithoutDevicePrefix(const std::wstring& path) {
  if (path.rfind(L"\\\\?\\UNC\\", 0) == 0) return L"\\\\" + path.substr(8);
  if (path.rfind(L"\\\\?\\", 0) == 0) return path.substr(4);
  return path;
}

std::wstring LongPathOf(const std::wstring& path) {
  const std::wstring asked = ForFileApi(path);
  std::wstring longPath(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetLongPathNameW(asked.c_str(), longPath.data(), static_cast<DWORD>(longPath.size()));
    if (length == 0) return path;
    if (length < longPath.size()) {
      longPath.resize(length);
      return WithoutDevicePrefix(longPath);
    }
    longPath.resize(length);  // too small: `length` is the size needed, terminator included
  }
}

}  // namespace tarvic::win32
