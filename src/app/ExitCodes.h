#pragma once

namespace tarvic::exitcode {

// What an unattended run ended with. Where several apply, the first in this list wins:
// bad command line, tool not found, failure reported, log not written, nothing present, done.
constexpr int kBadCommandLine = 87;
constexpr int kToolNotFound = 2;
constexpr int kFailureReported = 3;
constexpr int kLogNotWritten = 4;
constexpr int kNoExtension = 1;
constexpr int kDone = 0;

}  // namespace tarvic::exitcode
