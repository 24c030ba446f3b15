#include "host/win32/FileWrite.h"

#include "host/win32/LongPath.h"
#include "host/win32/MessagePump.h"
#include "host/win32/SystemError.h"
#include "host/win32/Utf16.h"

namespace tarvic::win32 {

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

namespace {

constexpr int kWriteTries = 10;
constexpr DWORD kRetryPauseMs = 100;

void WriteOnce(const std::string& path, const std::string& bytes, bool append) {
  ScopedFile file(
      CreateFileW(ForFileApi(Widen(path)).c_str(), append ? FILE_APPEND_DATA : GENERIC_WRITE,
                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  append ? OPEN_EXISTING : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.Get() == INVALID_HANDLE_VALUE) throw LastErrorFailure("Can't create " + path);
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
