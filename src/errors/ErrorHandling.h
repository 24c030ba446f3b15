#pragma once

#include <cstdint>
#include <string>

#include "errors/ErrorSink.h"
#include "host/AppVersion.h"

namespace tarvic {

inline constexpr const char* kErrorBoxTitle = "Problem Making Batch Files:";

// "" for line 0, otherwise "Line : " and the number.
std::string ErrorLineText(std::int32_t line);

// The full error message as shown in the box and copied to the clipboard.
std::string ErrorMessageText(const AppVersion& version, const ErrorReport& report);

// The same message as a quiet run logs it: without the two lines about the clipboard, which a
// quiet run never touches.
std::string QuietErrorMessageText(const AppVersion& version, const ErrorReport& report);

// Hands the failure to the run's error sink, which shows, copies and records it as the run
// requires. Never throws.
void ReportError(ErrorSink& sink, const std::string& location, std::int32_t number,
                 const std::string& description);

}  // namespace tarvic
