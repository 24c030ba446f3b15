#include <doctest.h>

#include <vector>

#include "ui/win32/BrowsePicture.h"

// Wine cannot turn High Contrast on: given the flag and a system of all-different colours instead.
TEST_CASE("browse picture: button face behind it; button text for all of it in High Contrast") {
  const auto system = [](int index) { return RGB(index, 17, 34); };
  const COLORREF outline = RGB(0x7A, 0x5A, 0x00), fill = RGB(0xE8, 0xC0, 0x4A);
  const COLORREF face = RGB(COLOR_BTNFACE, 17, 34), text = RGB(COLOR_BTNTEXT, 17, 34);
  const auto drawn = [&](bool highContrast) {
    std::vector<RGBQUAD> palette;
    for (COLORREF c : {outline, RGB(0xC0, 0xC0, 0xC0), fill})
      palette.push_back({GetBValue(c), GetGValue(c), GetRValue(c), 0});
    tarvic::win32::ColourPicture(palette, 1, highContrast, system);
    std::vector<COLORREF> colours;
    for (const RGBQUAD& q : palette) colours.push_back(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
    return colours;
  };
  CHECK(drawn(false) == std::vector<COLORREF>{outline, face, fill});
  CHECK(drawn(true) == std::vector<COLORREF>{text, face, text});
}
