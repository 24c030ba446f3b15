#include "host/win32/ParentConsole.h"

#include <windows.h>

#include "host/ConsolePieces.h"
#include "host/win32/FileWrite.h"
#include "host/win32/Utf16.h"
#include "text/TextLines.h"

namespace tarvic::win32 {

namespace {

void WriteToConsole(HANDLE console, const std::wstring& text) {
  WriteInConsolePieces(std::wstring_view(text), [console](std::wstring_view piece) {
    DWORD written = 0;
    const auto size = static_cast<DWORD>(piece.size());
    return WriteConsoleW(console, piece.data(), size, &written, nullptr) && written == size;
  });
}

}  // namespace

bool PrintToParentConsole(const std::string& text) {
  // A GUI program has standard handles only when its starter redirected them.
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if (out != nullptr && out != INVALID_HANDLE_VALUE && GetFileType(out) != FILE_TYPE_UNKNOWN) {
    DWORD mode = 0;
    if (GetConsoleMode(out, &mode)) {
      WriteToConsole(out, Widen(text));
    } else {
      WriteAll(out, text.data(), static_cast<DWORD>(text.size()));
    }
    return true;
  }
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return false;
  const ScopedFile console(CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, 0, nullptr));
  if (console.Get() == INVALID_HANDLE_VALUE) return false;
  // The prompt was printed when the program started; begin on a line of its own.
  WriteToConsole(console.Get(), Widen(kCrLf + text));
  return true;
}

}  // namespace tarvic::win32
