#pragma once

namespace tarvic::exitcode {

// What an unattended run ended with. Where several apply, the first in this list wins: bad
// command line, tool not found, registration refused, registration forbidden, failure reported,
// registration failed, log not written, nothing present, done. 740, 1625 and 1603 are Windows'
// own codes for "elevation required", "forbidden by system policy" and "fatal error during
// installation", which distribution systems know and show in those words.
constexpr int kBadCommandLine = 87;
constexpr int kToolNotFound = 2;
constexpr int kElevationRequired = 740;
// Here the program's own refusal: others can change what registering would run as administrator.
constexpr int kForbiddenByPolicy = 1625;
constexpr int kFailureReported = 3;
constexpr int kRegistrationFailed = 1603;
constexpr int kLogNotWritten = 4;
constexpr int kNoExtension = 1;
constexpr int kDone = 0;

}  // namespace tarvic::exitcode
