#include "ui/win32/BrowsePicture.h"

#include "ui/win32/ControlIds.h"

namespace tarvic::win32 {

namespace {

// The button's frame and focus rectangle take about this much on each side.
constexpr int kButtonEdge = 3;

// The picture as designed, one pixel per pixel. Its first pixel's colour marks what is
// transparent, and the loader turns it into the button face.
HBITMAP LoadDesignedPicture() {
  return static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_BROWSE),
                                         IMAGE_BITMAP, 0, 0,
                                         LR_LOADTRANSPARENT | LR_LOADMAP3DCOLORS));
}

// Each pixel repeated `scale` times both ways, so no colour is blended with its neighbour.
HBITMAP Enlarged(HBITMAP picture, SIZE size, int scale) {
  const HDC screen = GetDC(nullptr);
  const HDC from = CreateCompatibleDC(screen);
  const HDC to = CreateCompatibleDC(screen);
  const HBITMAP large = CreateCompatibleBitmap(screen, size.cx * scale, size.cy * scale);
  if (large != nullptr) {
    const HGDIOBJ oldFrom = SelectObject(from, picture);
    const HGDIOBJ oldTo = SelectObject(to, large);
    SetStretchBltMode(to, COLORONCOLOR);
    StretchBlt(to, 0, 0, size.cx * scale, size.cy * scale, from, 0, 0, size.cx, size.cy, SRCCOPY);
    SelectObject(from, oldFrom);
    SelectObject(to, oldTo);
  }
  DeleteDC(to);
  DeleteDC(from);
  ReleaseDC(nullptr, screen);
  return large;
}

// The whole number of screen pixels per picture pixel at `dpi`: 150 % rounds up to 2, as long as
// the picture then fits inside the button, so every edge stays sharp.
int PictureScale(int dpi, SIZE picture, SIZE room) {
  int scale = (dpi + 48) / 96;
  while (scale > 1 && (picture.cx * scale > room.cx || picture.cy * scale > room.cy)) --scale;
  return scale < 1 ? 1 : scale;
}

}  // namespace

BrowsePicture::~BrowsePicture() {
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
}

void BrowsePicture::ShowOn(HWND button, int dpi) {
  HBITMAP picture = LoadDesignedPicture();
  if (picture == nullptr) return;  // a plain button still browses
  BITMAP info = {};
  GetObjectW(picture, sizeof(info), &info);
  const SIZE size = {info.bmWidth, info.bmHeight};
  RECT client = {};
  GetClientRect(button, &client);
  const SIZE room = {client.right - 2 * kButtonEdge, client.bottom - 2 * kButtonEdge};

  const int scale = PictureScale(dpi, size, room);
  if (scale > 1) {
    if (const HBITMAP large = Enlarged(picture, size, scale)) {
      DeleteObject(picture);
      picture = large;
    }
  }
  SendMessageW(button, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
  bitmap_ = picture;
}

}  // namespace tarvic::win32
