#pragma once

#include <map>
#include <set>
#include <string>

// Everything a folder holds, below it at any depth: kind, attributes and bytes of each entry.
// Taken before and after a run, it shows whether the run lost or altered anything it should not.
struct EntryState {
  bool folder = false;
  unsigned long attributes = 0;
  std::string bytes;
  bool operator==(const EntryState&) const = default;
};
// Keyed by the path below the folder, e.g. "sub\\name.txt".
using FolderSnapshot = std::map<std::string, EntryState>;

// The folder may end in a backslash and may be longer than MAX_PATH.
FolderSnapshot SnapshotOf(const std::string& folder);

// One line per entry that appeared, vanished or changed, leaving out the allowed ones; empty
// when nothing else changed.
std::string ChangesBesides(const FolderSnapshot& before, const FolderSnapshot& after,
                           const std::set<std::string>& allowed);

// A path the file functions accept at any length: a drive path gets the \\?\ prefix.
std::string LongApiPath(const std::string& path);
