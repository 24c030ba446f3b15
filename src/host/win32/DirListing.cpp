#include "host/win32/DirListing.h"

#include "host/win32/LongPath.h"
#include "host/win32/SystemError.h"
#include "host/win32/Utf16.h"

namespace tarvic::win32 {

bool IsNormalFile(DWORD attributes) {
  constexpr DWORD kNotNormal =
      FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  return (attributes & kNotNormal) == 0;
}

bool MeansNoMatch(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
         error == ERROR_NO_MORE_FILES;
}

namespace {

// Windows 7 and later can skip the 8.3 names, which we never read, and fetch entries in larger
// batches; a large folder then lists markedly faster. Older systems refuse both and get the
// plain call.
HANDLE OpenListing(const std::wstring& path, WIN32_FIND_DATAW& data) {
  const HANDLE handle = FindFirstFileExW(path.c_str(), FindExInfoBasic, &data,
                                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_INVALID_PARAMETER) return handle;
  return FindFirstFileW(path.c_str(), &data);
}

}  // namespace

std::string DirListing::First(const std::string& pattern) {
  Close();
  std::wstring wide = Widen(pattern);
  // A folder path lists what is inside the folder.
  if (!wide.empty() && (wide.back() == L'\\' || wide.back() == L'/')) wide += L'*';

  WIN32_FIND_DATAW data;
  handle_ = OpenListing(ForFileApi(wide), data);
  if (handle_ == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (MeansNoMatch(error)) return "";
    throw SystemFailure(error);
  }
  return SkipToNormalFile(data);
}

std::string DirListing::Next() {
  if (handle_ == INVALID_HANDLE_VALUE) return "";
  WIN32_FIND_DATAW data;
  if (!Advance(data)) return "";
  return SkipToNormalFile(data);
}

bool DirListing::Advance(WIN32_FIND_DATAW& data) {
  if (FindNextFileW(handle_, &data)) return true;
  const DWORD error = GetLastError();
  Close();
  if (MeansNoMatch(error)) return false;
  throw SystemFailure(error);
}

std::string DirListing::SkipToNormalFile(WIN32_FIND_DATAW& data) {
  while (!IsNormalFile(data.dwFileAttributes)) {
    if (!Advance(data)) return "";
  }
  return Narrow(data.cFileName);
}

void DirListing::Close() {
  if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  handle_ = INVALID_HANDLE_VALUE;
}

}  // namespace tarvic::win32
