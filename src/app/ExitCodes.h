#pragma once

namespace tarvic::exitcode {

// What an unattended run ended with. Where several apply, the first in this list wins, as the
// table below says. 1618, 740, 1625 and 1603 are Windows' own codes for "another installation is
// already in progress", "elevation required", "forbidden by system policy" and "fatal error
// during installation", which distribution systems know and show in those words; they retry 1618.
constexpr int kBadCommandLine = 87;
constexpr int kAnotherRun = 1618;
constexpr int kToolNotFound = 2;
constexpr int kElevationRequired = 740;
// Here the program's own refusal: others can change what registering would run as administrator.
constexpr int kForbiddenByPolicy = 1625;
constexpr int kFailureReported = 3;
constexpr int kRegistrationFailed = 1603;
constexpr int kLogNotWritten = 4;
constexpr int kNoExtension = 1;
constexpr int kDone = 0;

// The same order as the usage tells it, one row per code.
constexpr const char* kTable =
    "Exit codes, the first that applies:\r\n"
    "  87   bad command line; nothing was run\r\n"
    "  1618 another run of this folder is in progress; nothing was done\r\n"
    "  2    ESRIRegAsm.exe not found\r\n"
    "  740  /register or /unregister without administrator rights; nothing was run\r\n"
    "  1625 /register or /unregister from files that others can change; nothing\r\n"
    "       was run\r\n"
    "  3    a failure was reported, or a batch file was missing after its write;\r\n"
    "       the log says which, if it could be written\r\n"
    "  1603 a registration failed, timed out or was not run\r\n"
    "  4    the log could not be written\r\n"
    "  1    no extension present\r\n"
    "  0    batch files written for every extension present (and each one\r\n"
    "       registered or unregistered, when asked)\r\n";

}  // namespace tarvic::exitcode
