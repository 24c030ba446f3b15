#include "ui/win32/Twips.h"

#include "host/win32/DynamicCalls.h"
#include "ui/win32/ScopedWin.h"

namespace tarvic::win32 {

namespace {

constexpr int kDefaultDpi = 96;

int ScreenDeviceDpi() {
  const ScopedGetDC screen(nullptr);
  const int dpi = screen.Get() != nullptr ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : kDefaultDpi;
  return dpi > 0 ? dpi : kDefaultDpi;
}

RECT WindowRect(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return rect;
}

}  // namespace

int SystemDpi() {
  if (const auto getDpiForSystem = User32().getDpiForSystem) {
    if (const UINT dpi = getDpiForSystem()) return static_cast<int>(dpi);
  }
  return ScreenDeviceDpi();
}

int WindowDpi(HWND window) {
  if (const auto getDpiForWindow = User32().getDpiForWindow; getDpiForWindow && window) {
    if (const UINT dpi = getDpiForWindow(window)) return static_cast<int>(dpi);
  }
  return SystemDpi();
}

SIZE OuterSizeForInner(HWND window, int width, int height, int dpi) {
  RECT rect = {0, 0, TwipsToPixels(width, dpi), TwipsToPixels(height, dpi)};
  const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
  // The frame's own metrics at that DPI where the system knows them (Windows 10).
  const auto adjustForDpi = User32().adjustWindowRectExForDpi;
  if (adjustForDpi == nullptr ||
      !adjustForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  }
  return {rect.right - rect.left, rect.bottom - rect.top};
}

namespace twips {

void SetTopmost(HWND window) {
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

double ScreenWidth(HWND window) {
  return PixelsToTwips(GetSystemMetrics(SM_CXSCREEN), WindowDpi(window));
}

double ScreenHeight(HWND window) {
  return PixelsToTwips(GetSystemMetrics(SM_CYSCREEN), WindowDpi(window));
}

double Width(HWND window) {
  const RECT rect = WindowRect(window);
  return PixelsToTwips(rect.right - rect.left, WindowDpi(window));
}

double Height(HWND window) {
  const RECT rect = WindowRect(window);
  return PixelsToTwips(rect.bottom - rect.top, WindowDpi(window));
}

double ScaleHeight(HWND window) {
  RECT client = {};
  GetClientRect(window, &client);
  return PixelsToTwips(client.bottom - client.top, WindowDpi(window));
}

void Move(HWND window, double left, double top) {
  const int dpi = WindowDpi(window);
  SetWindowPos(window, nullptr, TwipsToPixels(left, dpi), TwipsToPixels(top, dpi), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetHeight(HWND window, double height) {
  const RECT rect = WindowRect(window);
  SetWindowPos(window, nullptr, 0, 0, rect.right - rect.left,
               TwipsToPixels(height, WindowDpi(window)),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace twips

}  // namespace tarvic::win32
