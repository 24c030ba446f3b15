#pragma once

// The contact is a build setting (TARVIC_SUPPORT_NAME and TARVIC_SUPPORT_EMAIL in CMake).
#include "BuildFacts.h"

namespace tarvic {
inline constexpr const char* kSupportName = TARVIC_SUPPORT_NAME;
inline constexpr const char* kSupportEmail = TARVIC_SUPPORT_EMAIL;
}  // namespace tarvic
