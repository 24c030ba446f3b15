#include "ui/win32/DialogFont.h"

#include "ui/win32/Twips.h"

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
    created_.Reset(CreateFontIndirectW(&font));
  }
}

HFONT DialogFont::Get() const {
  return created_ ? created_.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace tarvic::win32
