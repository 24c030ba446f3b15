#pragma once

#include <cstdint>
#include <string_view>

#include "host/Host.h"

namespace tarvic {

// What a start says when another run holds its folder; it then ends having done nothing.
inline constexpr std::string_view kAnotherRunText =
    "Tarvic_Kit.exe is already running for this folder; nothing was done.";

// A sharing (32) or lock (33) violation: another run holds the folder's lock file. Any other
// failure to open it (a read-only folder, say) lets the run go on unguarded, as it always did:
// it cannot write its batch files there either.
bool MeansAnotherRun(std::uint32_t error);

// One run of a program folder at a time, through its lock file Tarvic_Kit.lock: two runs would
// rewrite the same batch files and start the tool on the same libraries at once.
class RunGuard {
 public:
  explicit RunGuard(Host& host) : host_(host) {}
  RunGuard(const RunGuard&) = delete;
  RunGuard& operator=(const RunGuard&) = delete;
  ~RunGuard() { Release(); }

  // False when another run holds the folder.
  bool Take();
  void Release() { host_.ReleaseLockFile(); }

 private:
  Host& host_;
};

// Thrown when the guard, given up while the locate dialog waited for the user, is held by another
// run once the dialog has closed: this run then ends as a second start does. It is no failure, so
// no error trap catches it.
struct AnotherRunTookOver {};

}  // namespace tarvic
