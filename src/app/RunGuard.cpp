#include "app/RunGuard.h"

#include <string>

#include "batch/FolderScan.h"

namespace tarvic {

bool MeansAnotherRun(std::uint32_t error) {
  return error == 32 || error == 33;
}

bool RunGuard::Take() {
  std::string folder;
  try {
    folder = ProgramFolderOf(host_.AppPath());
  } catch (const HostFailure&) {
    return true;  // nothing to guard: the run fails as it always did, and reports why
  }
  return !MeansAnotherRun(host_.HoldLockFile(folder + "Tarvic_Kit.lock"));
}

}  // namespace tarvic
