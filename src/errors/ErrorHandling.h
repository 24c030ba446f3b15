#pragma once

#include <cstdint>
#include <string>

#include "host/Host.h"

namespace tarvic {

// "" for line 0, otherwise "Line : " and the number.
std::string ErrorLineText(std::int32_t line);

// The full error message as shown and copied.
std::string ErrorMessageText(Host& host, const std::string& location, std::int32_t number,
                             const std::string& description);

// Puts the error message on the clipboard and shows it in a warning box. Never throws: the
// message box is shown even when the clipboard cannot be written.
void ReportError(Host& host, const std::string& location, std::int32_t number,
                 const std::string& description);

}  // namespace tarvic
