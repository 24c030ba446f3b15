#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

#include "host/win32/LongPath.h"
#include "host/win32/Permissions.h"
#include "host/win32/Scoped.h"
#include "host/win32/SystemError.h"
#include "host/win32/Utf16.h"

namespace tarvic::win32 {

namespace {

constexpr SECURITY_INFORMATION kOwnerAndDacl =
    OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;

// FAT and exFAT report no persistent permissions; there every user can change every file, and
// what the system shows in place of a descriptor says nothing.
bool VolumeKeepsPermissions(const std::wstring& path) {
  // Asked once per folder: a registration checks every library and script in the program folder.
  static std::wstring lastFolder;
  static bool lastAnswer = true;
  const std::wstring folder = path.substr(0, path.find_last_of(L'\\') + 1);
  if (!lastFolder.empty() && folder == lastFolder) return lastAnswer;
  lastFolder = folder;
  wchar_t root[MAX_PATH + 1];
  DWORD flags = 0;
  if (!GetVolumePathNameW(path.c_str(), root, MAX_PATH + 1) ||
      !GetVolumeInformationW(root, nullptr, 0, nullptr, nullptr, &flags, nullptr, 0)) {
    return lastAnswer = true;  // unknown: the descriptor itself is judged
  }
  return lastAnswer = (flags & FILE_PERSISTENT_ACLS) != 0;
}

std::string SidText(PSID sid) {
  ScopedLocal text;
  if (!ConvertSidToStringSidW(sid, text.Receive<wchar_t*>())) return "";
  return Narrow(text.As<const wchar_t*>());
}

std::string SddlOf(const ScopedLocal& descriptor) {
  ScopedLocal text;
  if (!ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor.As<PSECURITY_DESCRIPTOR>(),
                                                            SDDL_REVISION_1, kOwnerAndDacl,
                                                            text.Receive<wchar_t*>(), nullptr)) {
    throw LastErrorFailure();
  }
  return Narrow(text.As<const wchar_t*>());
}

}  // namespace

std::string OwnerAndDaclOf(const std::string& path) {
  const std::wstring name = ForFileApi(Widen(path));
  ScopedLocal descriptor;
  const DWORD error =
      GetNamedSecurityInfoW(name.c_str(), SE_FILE_OBJECT, kOwnerAndDacl, nullptr, nullptr, nullptr,
                            nullptr, descriptor.Receive<PSECURITY_DESCRIPTOR>());
  if (error != ERROR_SUCCESS) throw SystemFailure(error);
  if (!VolumeKeepsPermissions(name)) throw SystemFailure(ERROR_NO_SECURITY_ON_OBJECT);
  return SddlOf(descriptor);
}

std::optional<std::string> LinkOwnerAndDaclOf(const std::string& path) {
  ScopedFile link(CreateFileW(ForFileApi(Widen(path)).c_str(), READ_CONTROL,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING,
                              FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION info;
  if (link.Get() == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(link.Get(), &info)) {
    throw LastErrorFailure();
  }
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return std::nullopt;
  ScopedLocal descriptor;
  const DWORD error = GetSecurityInfo(link.Get(), SE_FILE_OBJECT, kOwnerAndDacl, nullptr, nullptr,
                                      nullptr, nullptr, descriptor.Receive<PSECURITY_DESCRIPTOR>());
  if (error != ERROR_SUCCESS) throw SystemFailure(error);
  return SddlOf(descriptor);
}

std::string ProcessUserSid() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return "";
  ScopedFile owned(token);
  union {
    TOKEN_USER user;
    BYTE bytes[sizeof(TOKEN_USER) + SECURITY_MAX_SID_SIZE];
  } buffer;
  DWORD size = sizeof buffer;
  if (!GetTokenInformation(token, TokenUser, &buffer, size, &size)) return "";
  return SidText(buffer.user.User.Sid);
}

std::string AccountNameOf(const std::string& sid) {
  ScopedLocal binary;
  if (!ConvertStringSidToSidW(Widen(sid).c_str(), binary.Receive<PSID>())) return sid;
  wchar_t name[256], domain[256];
  DWORD nameSize = 256, domainSize = 256;
  SID_NAME_USE use;
  if (!LookupAccountSidW(nullptr, binary.As<PSID>(), name, &nameSize, domain, &domainSize, &use)) {
    const std::string text = SidText(binary.As<PSID>());
    return text.empty() ? sid : text;
  }
  return domainSize == 0 ? Narrow(name) : Narrow(domain) + "\\" + Narrow(name);
}

}  // namespace tarvic::win32
