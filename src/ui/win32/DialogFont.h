#pragma once

#include <windows.h>

namespace tarvic::win32 {

// The platform's dialog font (the message font) at a given DPI. Owns the font it creates;
// the stock fallback is shared and never deleted.
class DialogFont {
 public:
  explicit DialogFont(int dpi);
  DialogFont(const DialogFont&) = delete;
  DialogFont& operator=(const DialogFont&) = delete;
  ~DialogFont();

  HFONT Get() const { return font_; }

 private:
  HFONT font_ = nullptr;
  bool owned_ = false;
};

}  // namespace tarvic::win32
