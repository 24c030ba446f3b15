#include "MemoryFileSystem.h"

#include <algorithm>

#include "batch/Text.h"
#include "host/HostFailure.h"

namespace tarvic::test {

namespace {

// A trailing backslash names the folder itself, except for a bare "\".
std::string WithoutTrailingSlash(const std::string& path) {
  if (path.size() > 1 && path.back() == '\\') return path.substr(0, path.size() - 1);
  return path;
}

std::string ParentOf(const std::string& path) {
  const auto slash = path.rfind('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const auto slash = path.rfind('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool WildMatch(std::string_view pattern, std::string_view name) {
  if (pattern.empty()) return name.empty();
  if (pattern[0] == '*') {
    for (std::size_t skip = 0; skip <= name.size(); ++skip) {
      if (WildMatch(pattern.substr(1), name.substr(skip))) return true;
    }
    return false;
  }
  if (name.empty()) return false;
  if (pattern[0] != '?' && Lower(pattern[0]) != Lower(name[0])) return false;
  return WildMatch(pattern.substr(1), name.substr(1));
}

bool AnyEquals(const std::vector<std::string>& paths, const std::string& path) {
  return std::any_of(paths.begin(), paths.end(),
                     [&](const std::string& p) { return EqualsIgnoreCase(p, path); });
}

constexpr unsigned kNotListed = attr::kHidden | attr::kSystem | attr::kFolder;

}  // namespace

MemoryFileSystem::Entry* MemoryFileSystem::Find(const std::string& path) {
  const std::string key = WithoutTrailingSlash(path);
  for (auto& e : entries_) {
    if (EqualsIgnoreCase(e.path, key)) return &e;
  }
  return nullptr;
}

const MemoryFileSystem::Entry* MemoryFileSystem::Find(const std::string& path) const {
  return const_cast<MemoryFileSystem*>(this)->Find(path);
}

bool MemoryFileSystem::IsFolder(const std::string& path) const {
  const Entry* e = Find(path);
  return e != nullptr && (e->attributes & attr::kFolder) != 0;
}

void MemoryFileSystem::AddEntry(Entry entry) {
  const std::string parent = ParentOf(entry.path);
  if (!parent.empty() && parent.back() != '\\' && !Find(parent)) AddFolder(parent);
  if (Entry* existing = Find(entry.path)) {
    *existing = std::move(entry);
  } else {
    entries_.push_back(std::move(entry));
  }
}

void MemoryFileSystem::AddFolder(const std::string& path, unsigned attributes) {
  AddEntry({WithoutTrailingSlash(path), attributes | attr::kFolder, "", false});
}

void MemoryFileSystem::AddFile(const std::string& path, const std::string& contents,
                               unsigned attributes) {
  AddEntry({path, attributes, contents, false});
}

bool MemoryFileSystem::Exists(const std::string& path) const {
  return Find(path) != nullptr;
}

std::string MemoryFileSystem::Contents(const std::string& path) const {
  const Entry* e = Find(path);
  return e ? e->contents : std::string();
}

std::vector<std::string> MemoryFileSystem::FilesIn(const std::string& folder,
                                                   const std::string& pattern) const {
  std::vector<std::string> paths;
  for (const auto& e : entries_) {
    if ((e.attributes & attr::kFolder) == 0 &&
        EqualsIgnoreCase(ParentOf(e.path), WithoutTrailingSlash(folder)) &&
        WildMatch(pattern, NameOf(e.path))) {
      paths.push_back(e.path);
    }
  }
  return paths;
}

std::vector<std::string> MemoryFileSystem::List(const std::string& pattern) const {
  for (const auto& f : listingFailures_) {
    if (pattern.size() >= f.prefix.size() &&
        EqualsIgnoreCase(pattern.substr(0, f.prefix.size()), f.prefix)) {
      throw HostFailure(f.number, f.description);
    }
  }
  std::vector<std::string> names;
  const auto slash = pattern.rfind('\\');
  if (slash == std::string::npos) return names;
  const std::string folder = pattern.substr(0, slash);
  const std::string namePattern = slash + 1 == pattern.size() ? "*" : pattern.substr(slash + 1);
  if (folder.empty() || !IsFolder(folder)) return names;
  for (const auto& e : entries_) {
    if ((e.attributes & kNotListed) == 0 && !e.invisible &&
        EqualsIgnoreCase(ParentOf(e.path), folder) && WildMatch(namePattern, NameOf(e.path))) {
      names.push_back(NameOf(e.path));
    }
  }
  return names;
}

void MemoryFileSystem::WriteLine(const std::string& path, const std::string& line) {
  if (AnyEquals(locked_, path)) throw HostFailure(70, "Permission denied");
  const std::string parent = ParentOf(path);
  if (AnyEquals(deniedFolders_, parent)) throw HostFailure(75, "Path/File access error");
  if (!IsFolder(parent)) throw HostFailure(76, "Path not found");
  Entry* e = Find(path);
  if (e && (e->attributes & attr::kFolder) != 0) throw HostFailure(75, "Path/File access error");
  if (!e) {
    entries_.push_back({path, attr::kNormal, "", false});
    e = &entries_.back();
  }
  e->contents = line + "\r\n";
  e->invisible = AnyEquals(hiddenAfterWrite_, path);
}

void MemoryFileSystem::FailListing(const std::string& prefix, std::int32_t number,
                                   const std::string& description) {
  listingFailures_.push_back({prefix, number, description});
}

void MemoryFileSystem::DenyWritesIn(const std::string& folder) {
  deniedFolders_.push_back(WithoutTrailingSlash(folder));
}

void MemoryFileSystem::Lock(const std::string& path) {
  locked_.push_back(path);
}

void MemoryFileSystem::HideAfterWrite(const std::string& path) {
  hiddenAfterWrite_.push_back(path);
}

}  // namespace tarvic::test
