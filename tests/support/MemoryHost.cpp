#include "MemoryHost.h"

#include <algorithm>

#include "batch/FolderScan.h"
#include "batch/Text.h"

namespace tarvic::test {

namespace {

std::string NameOf(const std::string& path) {
  return path.substr(path.rfind('\\') + 1);
}

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

template <class T>
T TakeFront(std::deque<T>& queue, T whenEmpty) {
  if (queue.empty()) return whenEmpty;
  T front = queue.front();
  queue.pop_front();
  return front;
}

}  // namespace

MemoryHost::Entry* MemoryHost::Find(const std::string& path) {
  for (auto& e : entries_) {
    if (EqualsIgnoreCase(e.path, path)) return &e;
  }
  return nullptr;
}

void MemoryHost::AddFile(const std::string& path, unsigned attributes) {
  if (Entry* e = Find(path))
    e->attributes = attributes;
  else
    entries_.push_back({path, attributes, ""});
}

std::string MemoryHost::Contents(const std::string& path) const {
  const Entry* e = const_cast<MemoryHost*>(this)->Find(path);
  return e ? e->contents : "";
}

std::vector<std::string> MemoryHost::BatchFiles() const {
  return List(ProgramFolderOf(appPath) + "*.bat");
}

void MemoryHost::FailListing(const std::string& prefix, std::int32_t number) {
  failingListings_[prefix] = number;
}

void MemoryHost::Lock(const std::string& path) {
  locked_.push_back(path);
}

void MemoryHost::HideAfterWrite(const std::string& path) {
  hiddenAfterWrite_.push_back(path);
}

std::vector<std::string> MemoryHost::List(const std::string& pattern) const {
  for (const auto& [prefix, number] : failingListings_) {
    if (EqualsIgnoreCase(pattern.substr(0, prefix.size()), prefix)) {
      throw HostFailure(number, "Listing failed");
    }
  }
  const auto slash = pattern.rfind('\\');
  const std::string folder = pattern.substr(0, slash + 1);
  std::string names = slash + 1 == pattern.size() ? "*" : pattern.substr(slash + 1);
  // As through the platform's 8.3 aliases, "*.reg" also matches x.regx (X~1.REG).
  if (names.starts_with("*.")) names += "*";
  std::vector<std::string> found;
  for (const auto& e : entries_) {
    const bool listed = (e.attributes & (attr::kHidden | attr::kSystem | attr::kFolder)) == 0;
    if (listed && EqualsIgnoreCase(e.path.substr(0, e.path.rfind('\\') + 1), folder) &&
        WildMatch(names, NameOf(e.path))) {
      found.push_back(NameOf(e.path));
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

std::string MemoryHost::DirNext() {
  return next_ < listing_.size() ? listing_[next_++] : "";
}

bool MemoryHost::FileExists(const std::string& path) {
  return !List(path).empty();
}

std::string MemoryHost::Environ(const std::string& name) {
  const auto it = environment.find(name);
  return it == environment.end() ? "" : it->second;
}

std::string MemoryHost::CmdPathForm(const std::string& path) {
  if (const auto it = shortNames.find(path); it != shortNames.end()) return it->second;
  if (std::any_of(path.begin(), path.end(), [](char c) { return (c & 0x80) != 0; })) {
    throw HostFailure(1113, "No mapping for the Unicode character exists");
  }
  return path;
}

void MemoryHost::WriteBytesFile(const std::string& path, const std::string& bytes) {
  if (Holds(locked_, path)) throw HostFailure(70, "Permission denied");
  if (!Find(path)) entries_.push_back({path, attr::kNormal, ""});
  Entry* e = Find(path);
  e->contents = bytes;
  if (Holds(hiddenAfterWrite_, path)) e->attributes = attr::kHidden;
}

void MemoryHost::WriteLineFile(const std::string& path, const std::string& line) {
  WriteBytesFile(path, line + "\r\n");
}

bool MemoryHost::PrintToConsole(const std::string& text) {
  if (hasConsole) console += text;
  return hasConsole;
}

int MemoryHost::MsgBox(const std::string& prompt, int style, const std::string& title) {
  messageBoxes.push_back({prompt, style, title});
  return TakeFront(messageBoxAnswers, msgbox::kAnswerOk);
}

void MemoryHost::ClipboardSetText(const std::string& text) {
  if (clipboardFails) throw HostFailure(521, "Can't open Clipboard");
  clipboard = text;
}

std::string MemoryHost::ShowOpen(const std::string& filter, const std::string& initialFolder,
                                 const std::string& title) {
  openCalls.push_back(filter + "|" + initialFolder + "|" + title);
  return TakeFront(openAnswers, std::string());
}

std::string MemoryHost::ShowLocateDialog() {
  ++locateDialogs;
  return TakeFront(locateAnswers, std::string("Cancel"));
}

}  // namespace tarvic::test
