#pragma once

// Set at build time (see the top-level CMakeLists.txt); these defaults serve other builds.
#ifndef TARVIC_SUPPORT_NAME
#define TARVIC_SUPPORT_NAME "the GIS Support Desk"
#endif
#ifndef TARVIC_SUPPORT_EMAIL
#define TARVIC_SUPPORT_EMAIL "gis-support@example.org"
#endif

namespace tarvic {
inline constexpr const char* kSupportName = TARVIC_SUPPORT_NAME;
inline constexpr const char* kSupportEmail = TARVIC_SUPPORT_EMAIL;
}  // namespace tarvic
