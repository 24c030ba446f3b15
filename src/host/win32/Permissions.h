#pragma once

#include <optional>
#include <string>

namespace tarvic::win32 {

// Host::OwnerAndDacl: only the owner and the DACL are read, which any user may read where they
// may list the folder. A volume without permissions (FAT) fails with the system's error 1350.
std::string OwnerAndDaclOf(const std::string& path);

// Host::LinkOwnerAndDacl: whoever can change a link can point it elsewhere once its target has
// passed the check.
std::optional<std::string> LinkOwnerAndDaclOf(const std::string& path);

// Host::RunningUserSid: the user of this process's token.
std::string ProcessUserSid();

// Host::AccountName, through LookupAccountSidW.
std::string AccountNameOf(const std::string& sid);

}  // namespace tarvic::win32
