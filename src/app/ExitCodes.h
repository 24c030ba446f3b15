#pragma once

namespace tarvic::exitcode {

// What an unattended run ended with. Where several apply, the first in this list wins: bad
// command line, another run of the folder, tool not found, registration refused, failure
// reported, registration failed, log not written, nothing present, done. 1618, 740 and 1603 are
// Windows' own codes for "another installation is already in progress", "elevation required" and
// "fatal error during installation", which distribution systems know; they retry 1618.
constexpr int kBadCommandLine = 87;
constexpr int kAnotherRun = 1618;
constexpr int kToolNotFound = 2;
constexpr int kElevationRequired = 740;
constexpr int kFailureReported = 3;
constexpr int kRegistrationFailed = 1603;
constexpr int kLogNotWritten = 4;
constexpr int kNoExtension = 1;
constexpr int kDone = 0;

}  // namespace tarvic::exitcode
