#include <doctest.h>

#include "host/win32/Win32Host.h"

namespace {

// Holds the clipboard open for a while, as a busy program would.
DWORD WINAPI HoldClipboard(void* milliseconds) {
  OpenClipboard(nullptr);
  Sleep(static_cast<DWORD>(reinterpret_cast<INT_PTR>(milliseconds)));
  return CloseClipboard();
}

}  // namespace

TEST_CASE("The clipboard gets exactly the text, after waiting out a brief hold") {
  const UINT otherFormat = RegisterClipboardFormatW(L"TarvicKit.TestFormat");
  REQUIRE(OpenClipboard(nullptr));
  EmptyClipboard();
  SetClipboardData(otherFormat, GlobalAlloc(GMEM_MOVEABLE, 4));
  CloseClipboard();

  // Held by nobody, for a moment (waited out), or for too long (about a second of retries).
  for (const INT_PTR holdMs : {0, 300, 2500}) {
    CAPTURE(holdMs);
    const HANDLE holder =
        CreateThread(nullptr, 0, HoldClipboard, reinterpret_cast<void*>(holdMs), 0, nullptr);
    Sleep(100);  // the holder has it open by now, if it holds it at all
    try {
      tarvic::win32::Win32Host().ClipboardSetText("Report line\r\ncaf\xC3\xA9 \xE2\x98\x83");
      CHECK(holdMs < 2500);
      REQUIRE(OpenClipboard(nullptr));
      const auto* text = static_cast<const wchar_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT)));
      CHECK(std::wstring(text ? text : L"") == L"Report line\r\ncaf\u00e9 \u2603");
      CloseClipboard();
      CHECK_FALSE(IsClipboardFormatAvailable(otherFormat));
    } catch (const tarvic::HostFailure& failure) {
      CHECK(holdMs == 2500);
      CHECK(failure.Number() == 521);
      CHECK(failure.Description().rfind("Can't open Clipboard", 0) == 0);
    }
    WaitForSingleObject(holder, 10000);
    CloseHandle(holder);
  }
}
