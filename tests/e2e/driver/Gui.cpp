#include "Gui.h"

#include <chrono>
#include <cstring>
#include <thread>

#include "Utf.h"

namespace {

constexpr int kPollMs = 10;

struct Search {
  DWORD pid;
  const wchar_t* windowClass;  // null: any
  const std::wstring* title;   // null: any
  HWND found = nullptr;
};

BOOL CALLBACK Visit(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != search->pid || !IsWindowVisible(window)) return TRUE;
  if (search->windowClass) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    if (std::wstring_view(name) != search->windowClass) return TRUE;
  }
  if (search->title && Wide(Text(window)) != *search->title) return TRUE;
  search->found = window;
  return FALSE;
}

template <class Done>
bool PollUntil(int timeoutMs, Done done) {
  const auto limit = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!done()) {
    if (std::chrono::steady_clock::now() > limit) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
  }
  return true;
}

}  // namespace

HWND FindShown(DWORD pid, const wchar_t* windowClass, const std::string& title) {
  const std::wstring wideTitle = Wide(title);
  Search search{pid, windowClass, &wideTitle};
  EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitShown(DWORD pid, const wchar_t* windowClass, const std::string& title, int timeoutMs) {
  HWND found = nullptr;
  PollUntil(timeoutMs, [&] { return (found = FindShown(pid, windowClass, title)) != nullptr; });
  return found;
}

HWND AnyShown(DWORD pid, const wchar_t* windowClass) {
  Search search{pid, windowClass, nullptr};
  EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool WaitGone(HWND window, int timeoutMs) {
  return PollUntil(timeoutMs, [&] { return !IsWindow(window) || !IsWindowVisible(window); });
}

LRESULT SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result);
  return static_cast<LRESULT>(result);
}

std::string Text(HWND window) {
  const LRESULT length = SendWithin(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT got =
      SendWithin(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(got));
  return Utf8(text);
}

std::string ItemText(HWND parent, int id) {
  return Text(GetDlgItem(parent, id));
}

// The prompt of a message box is its static control with the id -1.
std::string MessageText(HWND box) {
  return ItemText(box, 0xFFFF);
}

bool ItemEnabled(HWND parent, int id) {
  return IsWindowEnabled(GetDlgItem(parent, id)) != 0;
}

SIZE ClientSize(HWND window) {
  RECT inner{};
  GetClientRect(window, &inner);
  return SIZE{inner.right - inner.left, inner.bottom - inner.top};
}

void Click(HWND parent, int id) {
  PostMessageW(GetDlgItem(parent, id), BM_CLICK, 0, 0);
}

void Type(HWND edit, const std::string& text) {
  for (wchar_t c : Wide(text)) SendWithin(edit, WM_CHAR, c, 1);
}

void PostClose(HWND window) {
  PostMessageW(window, WM_CLOSE, 0, 0);
}

void PostSysClose(HWND window) {
  PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

namespace {
// Another program may hold the clipboard for a moment; try for a while.
bool OpenClipboardSoon() {
  return PollUntil(2000, [] { return OpenClipboard(nullptr) != 0; });
}
}  // namespace

std::string ClipboardText() {
  if (!OpenClipboardSoon()) return {};
  std::string text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = Utf8(chars);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void SetClipboardText(const std::string& text) {
  const std::wstring wide = Wide(text);
  if (!OpenClipboardSoon()) return;
  EmptyClipboard();
  const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    std::memcpy(GlobalLock(memory), wide.c_str(), bytes);
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
  }
  CloseClipboard();
}
