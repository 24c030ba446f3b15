#include "ui/win32/BrowsePicture.h"

#include "ui/win32/ControlIds.h"

namespace tarvic::win32 {

namespace {

// The button's frame and focus rectangle take about this much on each side.
constexpr int kButtonEdge = 3;

// The picture as designed, one pixel per pixel. Its first pixel's colour marks what is
// transparent, and the loader turns it into the button face.
OwnedBitmap LoadDesignedPicture() {
  return OwnedBitmap(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                                     MAKEINTRESOURCEW(IDB_BROWSE), IMAGE_BITMAP, 0,
                                                     0, LR_LOADTRANSPARENT | LR_LOADMAP3DCOLORS)));
}

// Each pixel repeated `scale` times both ways, so no colour is blended with its neighbour.
OwnedBitmap Enlarged(HBITMAP picture, SIZE size, int scale) {
  const ScopedGetDC screen(nullptr);
  OwnedBitmap large(CreateCompatibleBitmap(screen.Get(), size.cx * scale, size.cy * scale));
  if (!large) return large;
  const ScopedCompatibleDC from(screen.Get()), to(screen.Get());
  const ScopedSelectObject fromPicture(from.Get(), picture), toLarge(to.Get(), large.Get());
  SetStretchBltMode(to.Get(), COLORONCOLOR);
  StretchBlt(to.Get(), 0, 0, size.cx * scale, size.cy * scale, from.Get(), 0, 0, size.cx, size.cy,
             SRCCOPY);
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

void BrowsePicture::ShowOn(HWND button, int dpi) {
  OwnedBitmap picture = LoadDesignedPicture();
  if (!picture) return;  // a plain button still browses
  BITMAP info = {};
  GetObjectW(picture.Get(), sizeof(info), &info);
  const SIZE size = {info.bmWidth, info.bmHeight};
  RECT client = {};
  GetClientRect(button, &client);
  const SIZE room = {client.right - 2 * kButtonEdge, client.bottom - 2 * kButtonEdge};

  const int scale = PictureScale(dpi, size, room);
  if (scale > 1) {
    if (OwnedBitmap large = Enlarged(picture.Get(), size, scale)) picture = std::move(large);
  }
  SendMessageW(button, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture.Get()));
  // The button no longer shows the old picture, so it can go.
  bitmap_ = std::move(picture);
}

}  // namespace tarvic::win32
