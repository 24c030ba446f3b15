#include "ui/win32/TwipsFormView.h"

#include "host/win32/SystemError.h"
#include "ui/win32/Dpi.h"

namespace tarvic::win32 {

template <class View>
int TwipsFormView<View>::Dpi() const {
  return WindowDpi(window_);
}

template <class View>
RECT TwipsFormView<View>::WindowRect() const {
  RECT rect = {};
  GetWindowRect(window_, &rect);
  return rect;
}

template <class View>
void TwipsFormView<View>::SetTopmost() {
  SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

template <class View>
double TwipsFormView<View>::ScreenWidth() {
  return PixelsToTwips(GetSystemMetrics(SM_CXSCREEN), Dpi());
}

template <class View>
double TwipsFormView<View>::ScreenHeight() {
  return PixelsToTwips(GetSystemMetrics(SM_CYSCREEN), Dpi());
}

template <class View>
double TwipsFormView<View>::Width() {
  const RECT rect = WindowRect();
  return PixelsToTwips(rect.right - rect.left, Dpi());
}

template <class View>
double TwipsFormView<View>::Height() {
  const RECT rect = WindowRect();
  return PixelsToTwips(rect.bottom - rect.top, Dpi());
}

template <class View>
double TwipsFormView<View>::ScaleHeight() {
  RECT client = {};
  GetClientRect(window_, &client);
  return PixelsToTwips(client.bottom - client.top, Dpi());
}

template <class View>
void TwipsFormView<View>::Move(double left, double top) {
  const int dpi = Dpi();
  SetWindowPos(window_, nullptr, TwipsToPixels(left, dpi), TwipsToPixels(top, dpi), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

template <class View>
void TwipsFormView<View>::SetHeight(double height) {
  const RECT rect = WindowRect();
  SetWindowPos(window_, nullptr, 0, 0, rect.right - rect.left, TwipsToPixels(height, Dpi()),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

template <class View>
void TwipsFormView<View>::Unload() {
  if (!DestroyWindow(window_)) throw LastErrorFailure("Can't close the window");
}

template class TwipsFormView<MainWindowView>;
template class TwipsFormView<FindFileView>;

}  // namespace tarvic::win32
