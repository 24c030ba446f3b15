#include "host/win32/FileWrite.h"

#include "host/win32/LongPath.h"
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

void WriteBytesToFile(const std::string& path, const std::string& bytes, bool append) {
  ScopedFile file(
      CreateFileW(ForFileApi(Widen(path)).c_str(), append ? FILE_APPEND_DATA : GENERIC_WRITE, 0,
                  nullptr, append ? OPEN_EXISTING : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.Get() == INVALID_HANDLE_VALUE) throw LastErrorFailure("Can't create " + path);
  WriteAllAndClose(file, bytes, path);
}

}  // namespace tarvic::win32
