#pragma once

#include <string>

namespace tarvic::win32 {

// Empties the clipboard and puts `text` (UTF-8) on it as Unicode text. Waits briefly while
// another program holds the clipboard open; throws HostFailure when it stays unavailable.
void SetClipboardText(const std::string& text);

}  // namespace tarvic::win32
