#include "ui/win32/BrowsePicture.h"

#include <cstring>
#include <vector>

#include "ui/win32/ControlIds.h"

namespace tarvic::win32 {

namespace {

// The button's frame and focus rectangle take about this much on each side.
constexpr int kButtonEdge = 3;

RGBQUAD AsPaletteEntry(COLORREF colour) {
  return {GetBValue(colour), GetGValue(colour), GetRValue(colour), 0};
}

// The picture as designed, one pixel per pixel, in the colours ColourPicture gives it. It is a
// palette bitmap, so each colour is one palette entry.
OwnedBitmap DesignedPicture(bool highContrast) {
  const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(IDB_BROWSE), RT_BITMAP);
  const HGLOBAL loaded = found != nullptr ? LoadResource(nullptr, found) : nullptr;
  const auto* designed = static_cast<const BITMAPINFO*>(loaded ? LockResource(loaded) : nullptr);
  if (designed == nullptr || designed->bmiHeader.biBitCount > 8) return {};
  const BITMAPINFOHEADER& header = designed->bmiHeader;
  const std::size_t colours = header.biClrUsed != 0 ? header.biClrUsed : 1u << header.biBitCount;
  const std::size_t infoSize = header.biSize + colours * sizeof(RGBQUAD);
  std::vector<DWORD> info((infoSize + sizeof(DWORD) - 1) / sizeof(DWORD));
  std::memcpy(info.data(), designed, infoSize);
  const auto* bits = reinterpret_cast<const BYTE*>(designed) + infoSize;
  // As the system's loader does, the colour of the top left pixel marks what is transparent. Rows
  // are stored bottom up unless the height is negative.
  const std::size_t rowBytes = (header.biWidth * header.biBitCount + 31) / 32 * 4;
  const BYTE* topRow = header.biHeight > 0 ? bits + (header.biHeight - 1) * rowBytes : bits;
  const std::size_t transparent = topRow[0] >> (8 - header.biBitCount);
  auto* coloured = reinterpret_cast<BITMAPINFO*>(info.data());
  ColourPicture({coloured->bmiColors, colours}, transparent, highContrast,
                [](int index) { return GetSysColor(index); });
  const ScopedGetDC screen(nullptr);
  return OwnedBitmap(
      CreateDIBitmap(screen.Get(), &coloured->bmiHeader, CBM_INIT, bits, coloured, DIB_RGB_COLORS));
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

bool HighContrastOn() {
  HIGHCONTRASTW contrast = {};
  contrast.cbSize = sizeof(contrast);
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

void ColourPicture(std::span<RGBQUAD> palette, std::size_t transparent, bool highContrast,
                   const std::function<COLORREF(int)>& systemColour) {
  for (std::size_t entry = 0; entry < palette.size(); ++entry) {
    if (entry == transparent) {
      palette[entry] = AsPaletteEntry(systemColour(COLOR_BTNFACE));
    } else if (highContrast) {
      palette[entry] = AsPaletteEntry(systemColour(COLOR_BTNTEXT));
    }
  }
}

void BrowsePicture::ShowOn(HWND button, int dpi, bool highContrast) {
  OwnedBitmap picture = DesignedPicture(highContrast);
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
