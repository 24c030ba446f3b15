#include "Snapshot.h"

#include <windows.h>

#include "Files.h"
#include "Utf.h"

std::string LongApiPath(const std::string& path) {
  if (path.rfind("\\\\", 0) == 0) return path;
  return "\\\\?\\" + path;
}

namespace {

// Archive and the like come and go with backups; only these tell the user's intent.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                  FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;

void Collect(const std::string& folder, const std::string& below, FolderSnapshot& into) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(Wide(LongApiPath(folder) + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = Utf8(found.cFileName);
    if (name == "." || name == "..") continue;
    const std::string relative = below.empty() ? name : below + "\\" + name;
    EntryState entry;
    entry.attributes = found.dwFileAttributes & kKeptAttributes;
    entry.folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (entry.folder) {
      Collect(folder + "\\" + name, relative, into);
    } else if (found.nFileSizeLow != 0 || found.nFileSizeHigh != 0) {
      entry.bytes = ReadBytes(LongApiPath(folder + "\\" + name)).value_or("<unreadable>");
    }
    into[relative] = entry;
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

}  // namespace

FolderSnapshot SnapshotOf(const std::string& folder) {
  FolderSnapshot snapshot;
  std::string root = folder;
  if (!root.empty() && root.back() == '\\') root.pop_back();
  Collect(root, "", snapshot);
  return snapshot;
}

std::string ChangesBesides(const FolderSnapshot& before, const FolderSnapshot& after,
                           const std::set<std::string>& allowed) {
  std::string changes;
  for (const auto& [name, state] : before) {
    if (allowed.count(name)) continue;
    const auto now = after.find(name);
    if (now == after.end()) {
      changes += "vanished: " + name + "\n";
    } else if (!(now->second == state)) {
      changes += "changed: " + name + "\n";
    }
  }
  for (const auto& [name, state] : after) {
    if (!allowed.count(name) && !before.count(name)) changes += "appeared: " + name + "\n";
  }
  return changes;
}
