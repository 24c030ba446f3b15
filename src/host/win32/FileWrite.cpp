#include "host/win32/FileWrite.h"

#include <winioctl.h>

#include <vector>

#include "host/win32/LongPath.h"
#include "host/win32/MessagePump.h"
#include "host/win32/SystemError.h"
#include "host/win32/Utf16.h"

namespace tarvic::win32 {

namespace {

// A refusal names the error and, for a link, what the name is: the user sees no difference in a
// folder listing.
HostFailure Refused(DWORD refusal, const std::string& path) {
  if (refusal == ERROR_CANT_ACCESS_FILE) {
    return SystemFailure(ERROR_ACCESS_DENIED, "Can't create " + path + ", a link to another file");
  }
  return SystemFailure(refusal, "Can't create " + path);
}

// The kind of reparse point the handle is; one whose kind cannot be read counts as a link.
DWORD ReparseTagOf(HANDLE file) {
  std::vector<BYTE> data(MAXIMUM_REPARSE_DATA_BUFFER_SIZE);
  DWORD size = 0;
  if (!DeviceIoControl(file, FSCTL_GET_REPARSE_POINT, nullptr, 0, data.data(),
                       static_cast<DWORD>(data.size()), &size, nullptr) ||
      size < sizeof(DWORD)) {
    return IO_REPARSE_TAG_SYMLINK;
  }
  return reinterpret_cast<const REPARSE_GUID_DATA_BUFFER*>(data.data())->ReparseTag;
}

}  // namespace

bool WriteAll(HANDLE handle, const void* data, DWORD size) {
  DWORD written = 0;
  if (!WriteFile(handle, data, size, &written, nullptr)) return false;
  if (written == size) return true;
  SetLastError(ERROR_HANDLE_DISK_FULL);
  return false;
}

void WriteAllAndClose(ScopedFile& file, const std::string& bytes, const std::string& path) {
  if (!WriteAll(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()))) {
    throw LastErrorFailure("Can't write " + path);
  }
  if (!file.Close()) throw LastErrorFailure("Can't close " + path);
}

HANDLE OpenNameForWriting(const std::wstring& fileApiPath, DWORD access, DWORD share,
                          DWORD disposition, bool nameItself) {
  // Never CREATE_ALWAYS or TRUNCATE_EXISTING: they would empty a hard link's other file before
  // anything could look at it.
  return CreateFileW(fileApiPath.c_str(), access, share, nullptr, disposition,
                     FILE_ATTRIBUTE_NORMAL | (nameItself ? FILE_FLAG_OPEN_REPARSE_POINT : 0),
                     nullptr);
}

DWORD RefusalToWrite(const BY_HANDLE_FILE_INFORMATION& info, DWORD reparseTag, bool replacing) {
  const bool sendsElsewhere = (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
                              IsReparseTagNameSurrogate(reparseTag);
  if (sendsElsewhere || info.nNumberOfLinks > 1) return ERROR_CANT_ACCESS_FILE;
  // Windows refuses to replace these with a new ordinary file; Wine running as root opens some
  // of them for writing. Refusing here keeps the user's protected file intact on every system,
  // with the error Windows gives.
  constexpr DWORD kProtected = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                               FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
  return replacing && (info.dwFileAttributes & kProtected) != 0 ? ERROR_ACCESS_DENIED : 0;
}

// Opens the name, then asks the open file what it is. Asking the handle rather than the name
// costs no second look-up (each one scans a large folder under Wine). Someone who swaps the
// name between the open and the write can change the folder itself: an elevated registration
// has already refused such a folder, and the log's folder is the one its user chose.
ScopedFile OpenToWrite(const std::string& path, bool replacing, DWORD share) {
  const std::wstring name = ForFileApi(Widen(path));
  const DWORD access = replacing ? GENERIC_WRITE : FILE_APPEND_DATA;
  ScopedFile file(
      OpenNameForWriting(name, access, share, replacing ? OPEN_ALWAYS : OPEN_EXISTING, true));
  if (file.Get() == INVALID_HANDLE_VALUE) throw LastErrorFailure("Can't create " + path);
  // A file the call just made is new and empty: only one that was there can be a link, be
  // protected or hold old text, and asking the system about it costs a round trip per file.
  if (replacing && GetLastError() != ERROR_ALREADY_EXISTS) return file;
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(file.Get(), &info))
    throw LastErrorFailure("Can't create " + path);
  const bool reparsePoint = (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  const DWORD tag = reparsePoint ? ReparseTagOf(file.Get()) : 0;
  if (const DWORD refusal = RefusalToWrite(info, tag, replacing)) throw Refused(refusal, path);
  if (reparsePoint) {
    // The file itself, kept by a driver (OneDrive, deduplication, compression): written
    // through that driver, as any program writes it, not past it.
    file.Close();
    file = ScopedFile(OpenNameForWriting(name, access, share, OPEN_EXISTING, false));
    if (file.Get() == INVALID_HANDLE_VALUE) throw LastErrorFailure("Can't create " + path);
  }
  if (replacing && !SetEndOfFile(file.Get())) throw LastErrorFailure("Can't create " + path);
  return file;
}

namespace {

constexpr int kWriteTries = 10;
constexpr DWORD kRetryPauseMs = 100;

// Shared for reading, writing and deleting: a log viewer may hold the file open meanwhile.
void WriteOnce(const std::string& path, const std::string& bytes, bool append) {
  ScopedFile file =
      OpenToWrite(path, !append, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
  WriteAllAndClose(file, bytes, path);
}

// A reader that shares the file for reading only, or a range locked for a moment, lets go soon;
// any other refusal stays as it is.
bool PassesSoon(std::int32_t error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

void Pause(WhileWaiting whileWaiting) {
  if (whileWaiting == WhileWaiting::DispatchNothing) {
    Sleep(kRetryPauseMs);
    return;
  }
  DWORD unused = 0;
  WaitDispatchingMessages(nullptr, kRetryPauseMs, unused);
}

}  // namespace

void WriteBytesToFile(const std::string& path, const std::string& bytes, bool append,
                      WhileWaiting whileWaiting) {
  for (int tried = 1;; ++tried) {
    try {
      // A refused try leaves none of its bytes: the open, or the one write, is refused whole.
      WriteOnce(path, bytes, append);
      return;
    } catch (const HostFailure& failure) {
      if (!PassesSoon(failure.Number()) || tried == kWriteTries) throw;
    }
    Pause(whileWaiting);
  }
}

}  // namespace tarvic::win32
