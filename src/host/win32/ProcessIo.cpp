#include "host/win32/ProcessIo.h"

#include <windows.h>

#include <cstdlib>

#include "host/win32/LongPath.h"
#include "host/win32/SystemError.h"
#include "host/win32/Utf16.h"

namespace tarvic::win32 {

namespace {

// A write cut short without an error of its own means the disk is full.
bool WriteAll(HANDLE handle, const void* data, DWORD size) {
  DWORD written = 0;
  if (!WriteFile(handle, data, size, &written, nullptr)) return false;
  if (written == size) return true;
  SetLastError(ERROR_HANDLE_DISK_FULL);
  return false;
}

bool WriteToConsole(HANDLE console, const std::wstring& text) {
  DWORD written = 0;
  return WriteConsoleW(console, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) !=
         0;
}

}  // namespace

std::vector<std::string> ProgramArguments() {
  std::vector<std::string> arguments;
  for (int i = 1; i < __argc && __wargv != nullptr; ++i) arguments.push_back(Narrow(__wargv[i]));
  return arguments;
}

void WriteBytesToFile(const std::string& path, const std::string& bytes, bool append) {
  // The system takes a relative path from the current folder.
  const std::wstring target = ForFileApi(Widen(path));
  const HANDLE file =
      CreateFileW(target.c_str(), append ? FILE_APPEND_DATA : GENERIC_WRITE, 0, nullptr,
                  append ? OPEN_EXISTING : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw LastErrorFailure("Can't create " + path);
  const bool written = WriteAll(file, bytes.data(), static_cast<DWORD>(bytes.size()));
  const DWORD error = written ? ERROR_SUCCESS : GetLastError();
  const bool closed = CloseHandle(file) != 0;
  if (!written) throw SystemFailure(error, "Can't write " + path);
  if (!closed) throw LastErrorFailure("Can't close " + path);
}

bool PrintToParentConsole(const std::string& text) {
  // A GUI program has standard handles only when its starter redirected them.
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if (out != nullptr && out != INVALID_HANDLE_VALUE && GetFileType(out) != FILE_TYPE_UNKNOWN) {
    DWORD mode = 0;
    if (GetConsoleMode(out, &mode)) return WriteToConsole(out, Widen(text));
    return WriteAll(out, text.data(), static_cast<DWORD>(text.size()));
  }
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return false;
  const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE,
                                     nullptr, OPEN_EXISTING, 0, nullptr);
  if (console == INVALID_HANDLE_VALUE) return false;
  // The prompt was printed when the program started; begin on a line of its own.
  const bool printed = WriteToConsole(console, L"\r\n" + Widen(text));
  CloseHandle(console);
  return printed;
}

}  // namespace tarvic::win32
