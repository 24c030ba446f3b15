#include "MemoryHost.h"

#include <algorithm>

#include "batch/Text.h"

namespace tarvic::test {

namespace {

bool Holds(const std::vector<std::string>& paths, const std::string& path) {
  return std::any_of(paths.begin(), paths.end(),
                     [&](const std::string& p) { return EqualsIgnoreCase(p, path); });
}

// A name, "*", or "*.ext"; as through the platform's 8.3 aliases, "*.reg" also matches x.regx
// (X~1.REG).
bool Matches(const std::string& pattern, const std::string& name) {
  if (pattern == "*") return true;
  if (!pattern.starts_with("*.")) return EqualsIgnoreCase(pattern, name);
  const auto dot = name.rfind('.');
  return dot != std::string::npos &&
         EqualsIgnoreCase(name.substr(dot, pattern.size() - 1), pattern.substr(1));
}

}  // namespace

std::string* MemoryHost::Find(const std::string& path) {
  for (auto& [stored, contents] : files_) {
    if (EqualsIgnoreCase(stored, path)) return &contents;
  }
  return nullptr;
}

std::string MemoryHost::Contents(const std::string& path) {
  const std::string* contents = Find(path);
  return contents ? *contents : "";
}

std::vector<std::string> MemoryHost::List(const std::string& pattern) {
  for (const auto& [prefix, number] : failingListings) {
    if (EqualsIgnoreCase(pattern.substr(0, prefix.size()), prefix)) {
      throw HostFailure(number, "Listing failed");
    }
  }
  const auto slash = pattern.rfind('\\') + 1;
  const std::string names = slash == pattern.size() ? "*" : pattern.substr(slash);
  std::vector<std::string> found;
  for (const auto& [path, contents] : files_) {
    const std::size_t nameAt = path.rfind('\\') + 1;
    if (nameAt == slash && EqualsIgnoreCase(path.substr(0, slash), pattern.substr(0, slash)) &&
        !Holds(unlisted, path) && Matches(names, path.substr(nameAt))) {
      found.push_back(path.substr(nameAt));
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
  if (std::string* contents = Find(path))
    *contents = bytes;
  else
    files_.emplace_back(path, bytes);
}

}  // namespace tarvic::test
