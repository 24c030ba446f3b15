#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvic {

// What an elevated registration must not run from: a file or folder that someone besides the
// machine's administrators can change. A folder above the program folder matters only in that
// it lets its children be replaced.
enum class ChangeScope { Object, Children };

// Who, outside the trusted, can change an object, judged from its owner and DACL as SDDL
// ("O:BAD:PAI(A;OICI;FA;;;SY)..."). Trusted are Administrators, SYSTEM, TrustedInstaller,
// Power Users, any domain's Domain Admins and Enterprise Admins, and `runningUser` (the run's
// own SID, "S-1-5-18" as SYSTEM). Deny entries are not credited. Returns the principal as the
// descriptor names it (a SID, or an alias such as "AU"), "" for a descriptor that cannot be
// understood, or nothing when only the trusted can change the object.
std::optional<std::string> FirstUntrustedChanger(std::string_view ownerAndDacl,
                                                 std::string_view runningUser, ChangeScope scope);

}  // namespace tarvic
