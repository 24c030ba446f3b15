#pragma once

#include <windows.h>

#include <string>

// Working another program's windows with ordinary messages, the way a user's clicks arrive.
// Every wait polls with a limit, so a hung or missing window fails a check instead of the run.

inline constexpr int kAppearMs = 20000;  // a first Wine start can be slow
inline constexpr int kGoneMs = 5000;
inline const wchar_t* const kMessageBoxClass = L"#32770";

// A visible top-level window of the process with this class and exact title, or null.
HWND FindShown(DWORD pid, const wchar_t* windowClass, const std::string& title);
HWND WaitShown(DWORD pid, const wchar_t* windowClass, const std::string& title,
               int timeoutMs = kAppearMs);
// A visible top-level window of the process with this class, whatever its title, or null.
HWND AnyShown(DWORD pid, const wchar_t* windowClass);
bool WaitGone(HWND window, int timeoutMs = kGoneMs);

// A hung program fails the check instead of stalling the driver: gives up after 5 s.
LRESULT SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

std::string Text(HWND window);
std::string ItemText(HWND parent, int id);
// Static text of a message box.
std::string MessageText(HWND box);
bool ItemEnabled(HWND parent, int id);
SIZE ClientSize(HWND window);

// Posted, never sent: the handler may open a modal box and would block us inside it.
void Click(HWND parent, int id);
// Types like a keyboard would, one character message after another (backspace is "\b").
void Type(HWND edit, const std::string& text);
void PostClose(HWND window);
void PostSysClose(HWND window);

// Clipboard as plain text; empty when it holds none.
std::string ClipboardText();
void SetClipboardText(const std::string& text);
