#include "batch/RegistrationGuard.h"

#include <algorithm>

#include "batch/AsciiCase.h"
#include "batch/TextLines.h"
#include "batch/UncPath.h"
#include "batch/UntrustedChanger.h"

namespace tarvic {

namespace {

constexpr std::size_t kPathsNamed = 20;

struct CheckedPath {
  std::string path;  // as shown: a folder without its backslash, except at a root
  bool folder = false;
  ChangeScope scope = ChangeScope::Object;
};

// The length of a path's root with its backslash (C:\ or \\server\share\); 0 for none.
std::size_t RootLength(std::string_view path) {
  if (const std::size_t unc = UncRootLength(path)) return unc + 1;
  return path.size() >= 3 && path[1] == ':' && path[2] == '\\' ? 3 : 0;
}

std::string WithoutTrailingBackslash(const std::string& folder) {
  if (folder.size() > RootLength(folder) && folder.ends_with('\\')) {
    return folder.substr(0, folder.size() - 1);
  }
  return folder;
}

// The folder holding `path`; nothing above a root.
std::optional<std::string> FolderAbove(const std::string& path) {
  const std::string bare = WithoutTrailingBackslash(path);
  const std::size_t root = RootLength(bare);
  if (root == 0 || bare.size() <= root) return std::nullopt;
  return WithoutTrailingBackslash(bare.substr(0, bare.rfind('\\') + 1));
}

std::vector<CheckedPath> PathsDecidingWhatRuns(const std::string& programFolder,
                                               const std::vector<std::string>& scannedFiles,
                                               const std::string& toolPath) {
  std::vector<CheckedPath> paths;
  const auto add = [&](const std::string& path, bool folder, ChangeScope scope) {
    const bool known = std::any_of(paths.begin(), paths.end(), [&](const CheckedPath& p) {
      return EqualsIgnoreCase(p.path, path);
    });
    if (!known) paths.push_back({path, folder, scope});
  };
  add(WithoutTrailingBackslash(programFolder), true, ChangeScope::Object);
  for (const std::string& file : scannedFiles) add(file, false, ChangeScope::Object);
  add(toolPath, false, ChangeScope::Object);
  if (const auto toolFolder = FolderAbove(toolPath)) add(*toolFolder, true, ChangeScope::Object);
  for (auto above = FolderAbove(programFolder); above; above = FolderAbove(*above)) {
    add(*above, true, ChangeScope::Children);
  }
  return paths;
}

// Who else can change the path, as the line names them; nothing when nobody can.
std::optional<std::string> UntrustedChangerText(Host& host, const CheckedPath& checked,
                                                const std::string& runningUser) {
  std::string descriptor;
  try {
    descriptor = host.OwnerAndDacl(checked.path);
  } catch (const HostFailure& failure) {
    return "cannot be checked (" + std::to_string(failure.Number()) + " " + failure.Description() +
           ")";
  }
  const auto changer = FirstUntrustedChanger(descriptor, runningUser, checked.scope);
  if (!changer) return std::nullopt;
  if (changer->empty()) return "cannot be checked (permissions not understood)";
  return host.AccountName(*changer);
}

}  // namespace

std::optional<std::string> RefusalForChangeablePaths(Host& host, RegistrationKind kind,
                                                     const std::string& programFolder,
                                                     const std::vector<std::string>& scannedFiles,
                                                     const std::string& toolPath) {
  const std::string runningUser = host.RunningUserSid();
  std::string lines;
  std::size_t unsafe = 0;
  for (const CheckedPath& checked : PathsDecidingWhatRuns(programFolder, scannedFiles, toolPath)) {
    const auto changer = UntrustedChangerText(host, checked, runningUser);
    if (!changer) continue;
    if (++unsafe > kPathsNamed) continue;
    lines += kCrLf + kArrow + checked.path + (checked.folder ? " (folder)" : "") + ": " + *changer;
  }
  if (unsafe == 0) return std::nullopt;
  if (unsafe > kPathsNamed) {
    lines += kCrLf + kArrow + "and " + std::to_string(unsafe - kPathsNamed) + " more";
  }
  const bool registering = kind == RegistrationKind::Register;
  return kCrLf +
         (registering ? "Nothing was registered: registering"
                      : "Nothing was unregistered: unregistering") +
         " runs each library's code as administrator, and others can change these:" + lines +
         kCrLf +
         "Copy the extensions into a folder that only administrators can change (see the "
         "README), then start again.";
}

}  // namespace tarvic
