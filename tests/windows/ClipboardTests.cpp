#include <doctest.h>

#include <string>

#include "host/win32/Utf16.h"
#include "host/win32/Win32Host.h"

using tarvic::HostFailure;
using tarvic::win32::Win32Host;

namespace {

std::wstring ClipboardUnicodeText() {
  std::wstring text;
  for (int attempt = 0; attempt < 50 && !OpenClipboard(nullptr); ++attempt) Sleep(20);
  if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

// Another thread keeps the clipboard open for a while, as a busy program would.
struct ClipboardHolder {
  DWORD holdMs;
  HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE thread = nullptr;

  explicit ClipboardHolder(DWORD ms) : holdMs(ms) {
    thread = CreateThread(nullptr, 0, Hold, this, 0, nullptr);
    WaitForSingleObject(opened, 5000);
  }
  ~ClipboardHolder() {
    WaitForSingleObject(thread, 10000);
    CloseHandle(thread);
    CloseHandle(opened);
  }
  static DWORD WINAPI Hold(void* self) {
    auto* holder = static_cast<ClipboardHolder*>(self);
    const BOOL isOpen = OpenClipboard(nullptr);
    SetEvent(holder->opened);
    Sleep(holder->holdMs);
    if (isOpen) CloseClipboard();
    return 0;
  }
};

}  // namespace

TEST_CASE("The clipboard holds exactly the text, and nothing that was there before") {
  Win32Host host;
  const UINT otherFormat = RegisterClipboardFormatW(L"TarvicKit.TestFormat");
  REQUIRE(OpenClipboard(nullptr));
  EmptyClipboard();
  SetClipboardData(otherFormat, GlobalAlloc(GMEM_MOVEABLE, 4));
  CloseClipboard();

  host.ClipboardSetText("Report line\r\ncaf\xC3\xA9 \xE2\x98\x83");
  CHECK(ClipboardUnicodeText() == L"Report line\r\ncaf\u00e9 \u2603");
  CHECK_FALSE(IsClipboardFormatAvailable(otherFormat));

  host.ClipboardSetText("");
  CHECK(ClipboardUnicodeText().empty());
}

TEST_CASE("A clipboard busy for a moment is waited for; one that stays busy is reported") {
  Win32Host host;

  SUBCASE("briefly held") {
    ClipboardHolder holder(300);
    const DWORD start = GetTickCount();
    host.ClipboardSetText("after the wait");
    CHECK(GetTickCount() - start >= 200);
    CHECK(ClipboardUnicodeText() == L"after the wait");
  }
  SUBCASE("held too long") {
    ClipboardHolder holder(2500);
    try {
      host.ClipboardSetText("never");
      FAIL("no failure");
    } catch (const HostFailure& failure) {
      CHECK(failure.Number() == 521);
      CHECK(failure.Description().rfind("Can't open Clipboard", 0) == 0);
    }
  }
}
