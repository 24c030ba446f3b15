#include "host/win32/Clipboard.h"

#include <windows.h>

#include <cstring>

#include "host/win32/Scoped.h"
#include "host/win32/SystemError.h"
#include "host/win32/Utf16.h"

namespace tarvic::win32 {

namespace {

constexpr DWORD kRetryStepMs = 20;
constexpr int kAttempts = 50;  // about one second in all
constexpr std::int32_t kCantOpenClipboard = 521;

// The clipboard records a window as its owner; a message-only window serves without showing.
HWND ClipboardOwnerWindow() {
  static HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
  return window;
}

void OpenClipboardPatiently() {
  const HWND owner = ClipboardOwnerWindow();
  for (int attempt = 1;; ++attempt) {
    if (OpenClipboard(owner)) return;
    const DWORD error = GetLastError();
    if (attempt == kAttempts) {
      const std::string reason = error == ERROR_SUCCESS ? std::string(
                                                              "it is in use by another "
                                                              "program")
                                                        : SystemMessage(error);
      throw HostFailure(kCantOpenClipboard, "Can't open Clipboard: " + reason);
    }
    Sleep(kRetryStepMs);
  }
}

class OpenedClipboard {
 public:
  OpenedClipboard() { OpenClipboardPatiently(); }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  ~OpenedClipboard() { CloseClipboard(); }
};

ScopedGlobal CopyToGlobal(const std::wstring& text) {
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  ScopedGlobal memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
  if (memory.Get() == nullptr) throw LastErrorFailure("Can't copy to Clipboard");
  void* target = GlobalLock(memory.Get());
  if (target == nullptr) throw LastErrorFailure("Can't copy to Clipboard");
  std::memcpy(target, text.c_str(), bytes);
  GlobalUnlock(memory.Get());
  return memory;
}

}  // namespace

void SetClipboardText(const std::string& text) {
  ScopedGlobal memory = CopyToGlobal(Widen(text));
  OpenedClipboard clipboard;
  if (!EmptyClipboard()) throw LastErrorFailure("Can't empty Clipboard");
  if (SetClipboardData(CF_UNICODETEXT, memory.Get()) == nullptr) {
    throw LastErrorFailure("Can't copy to Clipboard");
  }
  memory.Release();  // the clipboard owns it from here on
}

}  // namespace tarvic::win32
