#include "batch/RegistrationGuard.h"

#include <algorithm>

#include "batch/UntrustedChanger.h"
#include "host/Host.h"
#include "text/AsciiCase.h"
#include "text/TextLines.h"
#include "text/UncPath.h"

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
  // The listing names each file once and the tool is no .dll or .reg: only a folder can come
  // twice, the tool's being the program folder or one above it, where the stricter check holds.
  std::vector<CheckedPath> folders;
  const auto addFolder = [&](const std::string& path, ChangeScope scope) {
    if (std::none_of(folders.begin(), folders.end(),
                     [&](const CheckedPath& p) { return EqualsIgnoreCase(p.path, path); })) {
      folders.push_back({path, true, scope});
    }
  };
  addFolder(WithoutTrailingBackslash(programFolder), ChangeScope::Object);
  if (const auto toolFolder = FolderAbove(toolPath)) addFolder(*toolFolder, ChangeScope::Object);
  for (auto above = FolderAbove(programFolder); above; above = FolderAbove(*above)) {
    addFolder(*above, ChangeScope::Children);
  }
  std::vector<CheckedPath> paths = {folders.front()};
  for (const std::string& file : scannedFiles) paths.push_back({file, false});
  paths.push_back({toolPath, false});
  paths.insert(paths.end(), folders.begin() + 1, folders.end());
  return paths;
}

// Why the path is unsafe: the SID of who else can change it, or, with `unreadable`, the reason
// it cannot be checked. Nothing when only the trusted can change it.
struct Finding {
  std::string text;
  bool unreadable = false;
};
std::optional<Finding> CheckPath(Host& host, const CheckedPath& checked,
                                 const std::string& runningUser) {
  std::vector<std::string> descriptors;
  try {
    // A link is judged as itself first: its owner could point it elsewhere after the check.
    if (const auto link = host.LinkOwnerAndDacl(checked.path)) descriptors.push_back(*link);
    descriptors.push_back(host.OwnerAndDacl(checked.path));
  } catch (const HostFailure& failure) {
    return Finding{std::to_string(failure.Number()) + " " + failure.Description(), true};
  }
  for (const std::string& descriptor : descriptors) {
    const auto changer = FirstUntrustedChanger(descriptor, runningUser, checked.scope);
    if (changer && changer->empty()) return Finding{"permissions not understood", true};
    if (changer) return Finding{*changer};
  }
  return std::nullopt;
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
    const auto finding = CheckPath(host, checked, runningUser);
    // Only the paths shown are named: a domain's name may cost a call over the network.
    if (!finding || ++unsafe > kPathsNamed) continue;
    lines += kCrLf + kArrow + checked.path + (checked.folder ? " (folder)" : "") + ": " +
             (finding->unreadable ? "cannot be checked (" + finding->text + ")"
                                  : host.AccountName(finding->text));
  }
  if (unsafe == 0) return std::nullopt;
  if (unsafe > kPathsNamed) {
    lines += kCrLf + kArrow + "and " + std::to_string(unsafe - kPathsNamed) + " more";
  }
  const bool registering = kind == RegistrationKind::Register;
  return std::string(registering ? "Nothing was registered: registering"
                                 : "Nothing was unregistered: unregistering") +
         " runs each library's code as administrator, and others can change these:" + lines +
         kCrLf +
         "Copy the extensions into a folder that only administrators can change (see the "
         "README), then start again.";
}

}  // namespace tarvic
