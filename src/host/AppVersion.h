#pragma once

#include <string>

namespace tarvic {

// The program's version as the host's version service reads it.
struct AppVersion {
  int major = 0;
  int minor = 0;
  int revision = 0;
};

// Major.Minor.Revision, as the report and the error messages show it.
inline std::string VersionText(const AppVersion& v) {
  return std::to_string(v.major) + "." + std::to_string(v.minor) + "." + std::to_string(v.revision);
}

}  // namespace tarvic
