#pragma once

#include <string>

namespace tarvic {

// The line end of every text the program shows or writes: the boxes, the report, the log and
// the batch files, which cmd and Notepad on Windows XP read only with CR LF.
inline const std::string kCrLf = "\r\n";
// The list-item marker of every report text.
inline const std::string kArrow = "  --> ";

}  // namespace tarvic
