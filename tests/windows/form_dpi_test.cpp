#include <windows.h>

#include <doctest.h>

#include <string>

#include "host/win32/DynamicCalls.h"
#include "host/win32/Win32Host.h"
#include "ui/win32/ControlIds.h"
#include "ui/win32/DialogFont.h"
#include "ui/win32/FindFileWindow.h"

namespace {

HHOOK hook = nullptr;
bool sent = false;

// Wine never changes a window's DPI itself: the change comes as the window grows from 0 x 0,
// where a move onto another monitor would bring it.
LRESULT CALLBACK ChangeDpiWhileGrowing(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  wchar_t name[64] = {};
  if (code == HC_ACTION && !sent && call->message == WM_WINDOWPOSCHANGING &&
      GetClassNameW(call->hwnd, name, 64) && std::wstring(name) == TARVIC_FINDFILE_CLASS) {
    const auto* position = reinterpret_cast<const WINDOWPOS*>(call->lParam);
    if (!(position->flags & SWP_NOSIZE) && position->cx > 0) {
      sent = true;
      RECT suggested = {0, 0, position->cx * 3 / 2, position->cy * 3 / 2};
      SendMessageW(call->hwnd, WM_DPICHANGED, MAKEWPARAM(144, 144),
                   reinterpret_cast<LPARAM>(&suggested));
    }
  }
  return CallNextHookEx(hook, code, wParam, lParam);
}

LONG HeightOf(HFONT font) {
  LOGFONTW described{};
  GetObjectW(font, sizeof described, &described);
  return described.lfHeight;
}

}  // namespace

TEST_CASE("A DPI change while the window grows: the controls take the font of the DPI it has") {
  tarvic::win32::Win32Host host;
  struct : tarvic::ErrorSink {
    void Report(const tarvic::ErrorReport&) noexcept override {}
  } errors;
  tarvic::frmFindFile form(host, errors);
  const std::function<void()> noSession;
  hook = SetWindowsHookExW(WH_CALLWNDPROC, ChangeDpiWhileGrowing, nullptr, GetCurrentThreadId());
  tarvic::win32::FindFileWindow window(form, noSession);
  UnhookWindowsHookEx(hook);
  REQUIRE(sent);
  const HWND created = FindWindowW(TARVIC_FINDFILE_CLASS, nullptr);
  const int dpi = tarvic::win32::WindowDpi(created);
  const auto font = reinterpret_cast<HFONT>(SendDlgItemMessageW(created, IDC_CMDOK, WM_GETFONT, 0, 0));
  CHECK(HeightOf(font) == HeightOf(tarvic::win32::DialogFont(dpi).Get()));
  CHECK(HeightOf(font) != HeightOf(tarvic::win32::DialogFont(144).Get()));
}
