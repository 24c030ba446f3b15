#include "host/win32/ParentConsole.h"

#include <windows.h>

#include "batch/TextLines.h"
#include "host/win32/FileWrite.h"
#include "host/win32/Utf16.h"

namespace tarvic::win32 {

namespace {

bool WriteToConsole(HANDLE console, const std::wstring& text) {
  DWORD written = 0;
  return WriteConsoleW(console, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) !=
         0;
}

}  // namespace

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
  const bool printed = WriteToConsole(console, Widen(kCrLf + text));
  CloseHandle(console);
  return printed;
}

}  // namespace tarvic::win32
