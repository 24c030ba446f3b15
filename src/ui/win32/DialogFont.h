#pragma once

#include <windows.h>

#include "ui/win32/ScopedWin.h"

namespace tarvic::win32 {

// The platform's dialog font (the message font) at a given DPI. Owns the font it creates; the
// stock fallback is shared and never deleted.
class DialogFont {
 public:
  explicit DialogFont(int dpi);

  HFONT Get() const;

 private:
  OwnedFont created_;
};

}  // namespace tarvic::win32
