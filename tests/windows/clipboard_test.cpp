#include <windows.h>

#include <psapi.h>

#include <doctest.h>

#include "host/win32/Win32Host.h"

namespace {

const HANDLE held = CreateEventW(nullptr, FALSE, FALSE, nullptr);

DWORD WINAPI HoldClipboard(void* milliseconds) {
  OpenClipboard(nullptr);
  SetEvent(held);
  Sleep(static_cast<DWORD>(reinterpret_cast<INT_PTR>(milliseconds)));
  return CloseClipboard();
}

// Holds the clipboard as a busy program would; returns once held (threads start slowly in Wine).
HANDLE StartHoldingClipboard(INT_PTR milliseconds) {
  const HANDLE holder =
      CreateThread(nullptr, 0, HoldClipboard, reinterpret_cast<void*>(milliseconds), 0, nullptr);
  WaitForSingleObject(held, 10000);
  return holder;
}

}  // namespace

TEST_CASE("The clipboard gets exactly the text, after waiting out a brief hold") {
  const UINT otherFormat = RegisterClipboardFormatW(L"TarvicKit.TestFormat");
  REQUIRE(OpenClipboard(nullptr));
  EmptyClipboard();
  SetClipboardData(otherFormat, GlobalAlloc(GMEM_MOVEABLE, 4));
  CloseClipboard();

  const HANDLE holder = StartHoldingClipboard(300);  // held for a moment that is waited out
  tarvic::win32::Win32Host().ClipboardSetText("Report line\r\ncaf\xC3\xA9 \xE2\x98\x83");
  REQUIRE(OpenClipboard(nullptr));
  const auto* text = static_cast<const wchar_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT)));
  CHECK(std::wstring(text ? text : L"") == L"Report line\r\ncaf\u00e9 \u2603");
  CloseClipboard();
  CHECK_FALSE(IsClipboardFormatAvailable(otherFormat));
  WaitForSingleObject(holder, 10000);
  CloseHandle(holder);
}

TEST_CASE("A copy that finds the clipboard held too long fails and gives back its memory") {
  const std::string report(4 << 20, 'x');  // 8 MB as UTF-16, the size of a long report
  const HANDLE holder = StartHoldingClipboard(5000);
  // Wine counts committed memory only here (its PrivateUsage stays 0).
  PROCESS_MEMORY_COUNTERS before{}, after{};
  GetProcessMemoryInfo(GetCurrentProcess(), &before, sizeof before);
  for (int press = 0; press < 3; ++press) {  // about a second of retries each
    try {
      tarvic::win32::Win32Host().ClipboardSetText(report);
      FAIL("copied to a held clipboard");
    } catch (const tarvic::HostFailure& failure) {
      CHECK(failure.Number() == 521);
      CHECK(failure.Description().rfind("Can't open Clipboard", 0) == 0);
    }
  }
  GetProcessMemoryInfo(GetCurrentProcess(), &after, sizeof after);
  CHECK(after.PagefileUsage < before.PagefileUsage + (8u << 20));  // a leak keeps 24 MB
  WaitForSingleObject(holder, 10000);
  CloseHandle(holder);
}
