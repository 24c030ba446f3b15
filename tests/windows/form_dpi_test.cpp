#include <windows.h>

#include <doctest.h>

#include "host/win32/DynamicCalls.h"
#include "host/win32/Win32Host.h"
#include "ui/win32/ControlIds.h"
#include "ui/win32/DialogFont.h"
#include "ui/win32/FindFileWindow.h"

namespace {

bool sent = false;

// Wine never changes a window's DPI itself. Here the change comes as the window grows from 0 x 0,
// where a move onto another monitor would bring it, before any control exists.
LRESULT CALLBACK ChangeDpiWhileGrowing(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  const auto* position = reinterpret_cast<const WINDOWPOS*>(call->lParam);
  if (!sent && call->message == WM_WINDOWPOSCHANGING && !(position->flags & SWP_NOSIZE)) {
    sent = true;
    RECT suggested = {0, 0, position->cx * 3 / 2, position->cy * 3 / 2};
    SendMessageW(call->hwnd, WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
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
  const HHOOK hook =
      SetWindowsHookExW(WH_CALLWNDPROC, ChangeDpiWhileGrowing, nullptr, GetCurrentThreadId());
  tarvic::win32::FindFileWindow window(form, noSession);
  UnhookWindowsHookEx(hook);
  REQUIRE(sent);
  const HWND created = FindWindowW(TARVIC_FINDFILE_CLASS, nullptr);
  const LONG height =
      HeightOf(reinterpret_cast<HFONT>(SendDlgItemMessageW(created, IDC_CMDOK, WM_GETFONT, 0, 0)));
  CHECK(height == HeightOf(tarvic::win32::DialogFont(tarvic::win32::WindowDpi(created)).Get()));
  CHECK(height != HeightOf(tarvic::win32::DialogFont(144).Get()));
}
