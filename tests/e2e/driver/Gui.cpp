#include "Driver.h"

namespace {

template <class Done>
bool PollUntil(int timeoutMs, Done done) {
  for (int waited = 0; !done(); waited += 10) {
    if (waited > timeoutMs) return false;
    Sleep(10);
  }
  return true;
}

HWND FindShown(DWORD pid, const wchar_t* windowClass) {
  for (HWND w = FindWindowExW(nullptr, nullptr, windowClass, nullptr); w;
       w = FindWindowExW(nullptr, w, windowClass, nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == pid && IsWindowVisible(w)) return w;
  }
  return nullptr;
}

bool OpenTheClipboard() {
  return PollUntil(2000, [] { return OpenClipboard(nullptr) != 0; });
}

}  // namespace

App::App(const std::string& exe, const std::string& arguments, const std::string& folder) {
  std::wstring commandLine = Wide("\"" + exe + "\" " + arguments);
  const std::string start = folder.empty() ? exe.substr(0, exe.find_last_of('\\')) : folder;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                 Wide(start).c_str(), &startup, &info_);
}

App::~App() {
  if (!info_.hProcess) return;
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 99);
  WaitForSingleObject(info_.hProcess, 5000);
  CloseHandle(info_.hProcess);
  CloseHandle(info_.hThread);
}

long App::WaitExit(int timeoutMs) {
  DWORD code = static_cast<DWORD>(-1);
  if (WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0) {
    GetExitCodeProcess(info_.hProcess, &code);
  }
  return static_cast<long>(code);
}

HWND WaitShown(DWORD pid, const wchar_t* windowClass) {
  HWND found = nullptr;
  PollUntil(20000, [&] { return (found = FindShown(pid, windowClass)) != nullptr; });
  return found;
}

bool WaitGone(HWND window) {
  return PollUntil(5000, [&] { return !IsWindow(window) || !IsWindowVisible(window); });
}

LRESULT SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result);
  return static_cast<LRESULT>(result);
}

std::string Text(HWND window) {
  std::wstring text(static_cast<std::size_t>(SendWithin(window, WM_GETTEXTLENGTH, 0, 0)) + 1, 0);
  text.resize(static_cast<std::size_t>(
      SendWithin(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return Narrow(text);
}

std::string ItemText(HWND parent, int id) {
  return Text(GetDlgItem(parent, id));
}

void Click(HWND parent, int id) {
  PostMessageW(GetDlgItem(parent, id), BM_CLICK, 0, 0);
}

void Type(HWND edit, const std::string& text) {
  for (wchar_t c : Wide(text)) SendWithin(edit, WM_CHAR, c, 1);
}

std::string ClipboardText() {
  if (!OpenTheClipboard()) return "<clipboard busy>";
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  const std::string text = data ? Narrow(static_cast<const wchar_t*>(GlobalLock(data))) : "";
  if (data) GlobalUnlock(data);
  CloseClipboard();
  return text;
}

void EmptyTheClipboard() {
  if (!OpenTheClipboard()) return;
  EmptyClipboard();
  CloseClipboard();
}

std::string ClipboardChangedFrom(const std::string& before) {
  std::string now;
  PollUntil(3000, [&] { return (now = ClipboardText()) != before; });
  return now;
}
