#pragma once

// The program's windows, worked through messages; every wait has a limit, so nothing stalls.
#include <windows.h>

#include <vector>

#include "Files.h"

inline const wchar_t* const kDialogClass = L"#32770";  // message boxes, the file-open dialog

template <class Done>
bool PollUntil(int timeoutMs, Done done) {
  for (int waited = 0; !done(); waited += 10) {
    if (waited > timeoutMs) return false;
    Sleep(10);
  }
  return true;
}

// The process's top-level windows of the class (any class when null), hidden ones too.
inline std::vector<HWND> WindowsOf(DWORD pid, const wchar_t* windowClass = nullptr) {
  std::vector<HWND> windows;
  for (HWND w = FindWindowExW(nullptr, nullptr, windowClass, nullptr); w;
       w = FindWindowExW(nullptr, w, windowClass, nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == pid) windows.push_back(w);
  }
  return windows;
}

inline HWND VisibleWindow(DWORD pid, const wchar_t* windowClass = nullptr) {
  for (HWND w : WindowsOf(pid, windowClass)) {
    if (IsWindowVisible(w)) return w;
  }
  return nullptr;
}

// One start of a program, never outliving the test. DETACHED_PROCESS in `flags` starts it without
// a console, as a distribution system does.
struct App {
  explicit App(const std::string& exe, const std::string& arguments = "",
               const std::string& folder = "", int show = -1, DWORD flags = 0) {
    std::wstring line = Widen("\"" + exe + "\" " + arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = show < 0 ? 0 : STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, flags, nullptr,
                   Widen(folder.empty() ? exe.substr(0, exe.find_last_of('\\')) : folder).c_str(),
                   &startup, &info);
  }
  App(const App&) = delete;
  ~App() {
    TerminateProcess(info.hProcess, 99);  // fails harmlessly once it has ended
    WaitForSingleObject(info.hProcess, 5000);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
  }
  // The exit code, or -1 when it did not end in time.
  long WaitExit(int timeoutMs = 5000) const {
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(info.hProcess, timeoutMs) == WAIT_OBJECT_0) {
      GetExitCodeProcess(info.hProcess, &code);
    }
    return static_cast<long>(code);
  }
  PROCESS_INFORMATION info{};
};

inline LRESULT SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result);
  return static_cast<LRESULT>(result);
}

inline std::string TextOf(HWND item) {
  std::wstring text(static_cast<std::size_t>(SendWithin(item, WM_GETTEXTLENGTH, 0, 0)) + 1, 0);
  text.resize(static_cast<std::size_t>(
      SendWithin(item, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return Narrow(text);
}

inline std::string ItemText(HWND parent, int id) {
  return TextOf(GetDlgItem(parent, id));
}

// Posted, never sent: the handler may open a modal box and would block us inside it.
inline void Click(HWND parent, int id) {
  PostMessageW(GetDlgItem(parent, id), BM_CLICK, 0, 0);
}

inline void Type(HWND edit, const std::string& text) {
  for (wchar_t c : Widen(text)) SendWithin(edit, WM_CHAR, c, 1);
}

// The clipboard's text once it has any, within `waitMs`; the program may hold it a moment.
inline std::string ClipboardText(int waitMs) {
  std::string text;
  PollUntil(waitMs, [&] {
    text = "<clipboard busy>";
    if (!OpenClipboard(nullptr)) return false;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    text = data ? Narrow(static_cast<const wchar_t*>(GlobalLock(data))) : "";
    if (data) GlobalUnlock(data);
    CloseClipboard();
    return !text.empty();
  });
  return text;
}
