#pragma once

#include <windows.h>

#include <string>

namespace tarvic::win32 {

// The files a listing yields: read-only and archive files count; hidden and system files and
// folders do not.
bool IsNormalFile(DWORD attributes);
// Errors that mean "nothing there" to the caller; anything else is a real failure.
bool MeansNoMatch(DWORD error);

// One directory listing that yields the normal files matching a pattern: read-only and archive
// files count, hidden and system files and folders do not. Owns the find handle.
class DirListing {
 public:
  DirListing() = default;
  DirListing(const DirListing&) = delete;
  DirListing& operator=(const DirListing&) = delete;
  ~DirListing() { Close(); }

  // Starts a new listing (closing any previous one) and returns the first bare name, or "" when
  // nothing matches or the folder is missing. Other failures throw HostFailure.
  std::string First(const std::string& pattern);
  // The next bare name of the current listing, "" after the last.
  std::string Next();

 private:
  // Moves to the next entry; false after the last, when the listing is closed.
  bool Advance(WIN32_FIND_DATAW& data);
  std::string SkipToNormalFile(WIN32_FIND_DATAW& data);
  void Close();

  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace tarvic::win32
