#include "MemoryHost.h"

#include <algorithm>

#include "batch/Text.h"

namespace tarvic::test {

namespace {

bool WildMatch(std::string_view pattern, std::string_view name) {
  if (pattern.empty()) return name.empty();
  if (pattern[0] == '*') {
    for (std::size_t skip = 0; skip <= name.size(); ++skip) {
      if (WildMatch(pattern.substr(1), name.substr(skip))) return true;
    }
    return false;
  }
  return !name.empty() &&
         (pattern[0] == '?' || EqualsIgnoreCase(pattern.substr(0, 1), name.substr(0, 1))) &&
         WildMatch(pattern.substr(1), name.substr(1));
}

bool Holds(const std::vector<std::string>& paths, const std::string& path) {
  return std::any_of(paths.begin(), paths.end(),
                     [&](const std::string& p) { return EqualsIgnoreCase(p, path); });
}

}  // namespace

MemoryHost::File* MemoryHost::Find(const std::string& path) {
  for (auto& f : files_) {
    if (EqualsIgnoreCase(f.path, path)) return &f;
  }
  return nullptr;
}

void MemoryHost::AddFile(const std::string& path, unsigned attributes) {
  if (File* f = Find(path))
    f->attributes = attributes;
  else
    files_.push_back({path, attributes, ""});
}

std::string MemoryHost::Contents(const std::string& path) {
  const File* f = Find(path);
  return f ? f->contents : "";
}

std::vector<std::string> MemoryHost::List(const std::string& pattern) {
  for (const auto& [prefix, number] : failingListings) {
    if (EqualsIgnoreCase(pattern.substr(0, prefix.size()), prefix)) {
      throw HostFailure(number, "Listing failed");
    }
  }
  const auto slash = pattern.rfind('\\') + 1;
  std::string names = slash == pattern.size() ? "*" : pattern.substr(slash);
  // As through the platform's 8.3 aliases, "*.reg" also matches x.regx (X~1.REG).
  if (names.starts_with("*.")) names += "*";
  std::vector<std::string> found;
  for (const auto& f : files_) {
    const std::size_t nameAt = f.path.rfind('\\') + 1;
    if ((f.attributes & (kHidden | kSystem | kDirectory)) == 0 && nameAt == slash &&
        EqualsIgnoreCase(f.path.substr(0, slash), pattern.substr(0, slash)) &&
        WildMatch(names, f.path.substr(nameAt))) {
      found.push_back(f.path.substr(nameAt));
    }
  }
  return found;
}

std::string MemoryHost::Dir(const std::string& pattern) {
  dirCalls.push_back(pattern);
  listing_ = List(pattern);
  next_ = 0;
  return DirNext();
}

std::string MemoryHost::CmdPathForm(const std::string& path) {
  if (shortNames.contains(path)) return shortNames[path];
  if (std::any_of(path.begin(), path.end(), [](char c) { return (c & 0x80) != 0; })) {
    throw HostFailure(1113, "No mapping for the Unicode character exists");
  }
  return path;
}

void MemoryHost::WriteBytesFile(const std::string& path, const std::string& bytes) {
  if (Holds(locked, path)) throw HostFailure(70, "Permission denied");
  if (!Find(path)) files_.push_back({path, kNormal, ""});
  Find(path)->contents = bytes;
  if (Holds(hiddenAfterWrite, path)) Find(path)->attributes = kHidden;
}

}  // namespace tarvic::test
