#pragma once

#include <windows.h>

#include <string>

namespace tarvic::win32 {

// The standard file-open dialog. `filter` is "Description|pattern[|Description|pattern...]".
// Returns the chosen full path, "" when the user cancels; a failure of the dialog throws.
std::string ShowOpenFileDialog(HWND owner, const std::string& filter,
                               const std::string& initialFolder, const std::string& title);

}  // namespace tarvic::win32
