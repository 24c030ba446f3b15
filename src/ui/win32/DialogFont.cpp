#include "ui/win32/DialogFont.h"

#include "ui/win32/Dpi.h"

namespace tarvic::win32 {

DialogFont::DialogFont(int dpi) {
  // Built for XP, this structure lacks the Vista-only last member, and so its size is one that
  // every version accepts.
  NONCLIENTMETRICSW metrics = {};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    LOGFONTW font = metrics.lfMessageFont;
    // The metrics come at the system DPI; the window may sit on a monitor with another.
    font.lfHeight = MulDiv(font.lfHeight, dpi, SystemDpi());
    font_ = CreateFontIndirectW(&font);
    owned_ = font_ != nullptr;
  }
  if (font_ == nullptr) font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

DialogFont::~DialogFont() {
  if (owned_) DeleteObject(font_);
}

}  // namespace tarvic::win32
