#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "BuildFacts.h"
#include "batch/FolderScan.h"
#include "host/Host.h"
#include "text/AsciiCase.h"

namespace tarvic::test {

// "", "*", "*.ext" or a name; "*.reg" also matches x.regx, as through its 8.3 alias X~1.REG.
inline bool Matches(const std::string& pattern, const std::string& name) {
  if (!pattern.empty() && pattern[0] != '*') return EqualsIgnoreCase(pattern, name);
  const auto dot = name.rfind('.');
  return pattern.size() < 2 ||
         (dot != std::string::npos &&
          EqualsIgnoreCase(name.substr(dot, pattern.size() - 1), pattern.substr(1)));
}

// A whole machine in memory. Paths match without regard to letter case; a listing returns names
// in their stored case, in the order the files were added. The console code page is ASCII.
class MemoryHost : public Host {
 public:
  std::string appPath = "C:\\Ext", clipboard, console, lastOpen, openAnswer;  // then "" (cancelled)
  std::string currentFolder = "C:\\Start\\";
  std::map<std::string, std::string> environment, shortNames;  // full path -> its 8.3 form
  std::map<std::string, int> failingListings;  // a listing whose pattern begins so fails
  std::vector<std::string> dirCalls, arguments;
  std::set<std::string> locked, unlisted;  // exact paths that cannot be written, that never list
  std::vector<std::string> boxes;          // each as "title|style|prompt"
  int boxAnswer = msgbox::kAnswerOk;
  bool clipboardFails = false, hasConsole = false, openFails = false, administrator = true,
       dispatchingWhileWriting = true;
  std::vector<std::string> programCalls;  // each as "program|folder|command line"
  std::set<std::uint32_t> programTimeouts;
  std::map<std::string, ProgramResult> programAnswers;  // by a library its line names; else 0
  std::function<void()> whileProgramRuns, whileBoxShows = [] {};
  // By path, of what it names and of the name as a link ("" unreadable); else admins' only.
  std::map<std::string, std::string> descriptors, links, accountNames;  // SID -> name
  std::string lockHeld;           // the lock file this run holds
  std::uint32_t lockRefusal = 0;  // the error that opening it gives, 0 when it opens

  void AddFile(const std::string& path) { WriteBytesFile(path, ""); }
  std::string Contents(const std::string& path) { return Find(path) ? *Find(path) : ""; }
  std::vector<std::string> BatchFiles() { return List(ProgramFolderOf(appPath) + "*.bat"); }

  std::string AppPath() override { return appPath; }
  AppVersion Version() override {
    return {TARVIC_VERSION_MAJOR, TARVIC_VERSION_MINOR, TARVIC_VERSION_REVISION};
  }
  std::string Dir(const std::string& pattern) override {
    dirCalls.push_back(pattern);
    listing_ = List(pattern), next_ = 0;
    return DirNext();
  }
  std::string DirNext() override { return next_ < listing_.size() ? listing_[next_++] : ""; }
  bool FileExists(const std::string& path) override { return !List(path).empty(); }
  std::string Environ(const std::string& name) override { return environment[name]; }
  std::string CmdPathForm(const std::string& path) override {
    return shortNames.contains(path) ? shortNames[path] : path;
  }
  void WriteLineFile(const std::string& path, const std::string& line) override {
    WriteBytesFile(path, line + "\r\n");
  }
  void WriteBytesFile(const std::string& path, const std::string& bytes) override {
    if (locked.contains(path)) throw HostFailure(70, "Permission denied");
    if (!Find(path)) files_.emplace_back(path, "");
    *Find(path) = bytes;
  }
  int MsgBox(const std::string& prompt, int style, const std::string& title) override {
    boxes.push_back(title + "|" + std::to_string(style) + "|" + prompt);
    whileBoxShows();
    return boxAnswer;
  }
  void ClipboardSetText(const std::string& text) override {
    if (clipboardFails) throw HostFailure(521, "Can't open Clipboard");
    clipboard = text;
  }
  std::string ShowOpen(const std::string& filter, const std::string& folder,
                       const std::string& title) override {
    if (openFails) throw HostFailure(-2147221164, "Class not registered");
    lastOpen = filter + "|" + folder + "|" + title;
    return std::exchange(openAnswer, "");
  }
  std::string FullPathName(const std::string& path) override {
    return path.find(':') == 1 || path.starts_with("\\\\") ? path : currentFolder + path;
  }
  void AppendBytesFile(const std::string& path, const std::string& bytes) override {
    if (locked.contains(path) || !Find(path)) throw HostFailure(5, "Access is denied.");
    *Find(path) += bytes;
  }
  std::vector<std::string> Arguments() override { return arguments; }
  bool PrintToConsole(const std::string& text) override {
    if (hasConsole) console += text;
    return hasConsole;
  }
  ProgramResult RunProgram(const std::string& program, const std::string& commandLine,
                           const std::string& folder, std::uint32_t timeoutMs) override {
    programCalls.push_back(program + "|" + folder + "|" + commandLine);
    programTimeouts.insert(timeoutMs);
    if (whileProgramRuns) whileProgramRuns();
    for (const auto& [library, answer] : programAnswers)
      if (commandLine.find("\\" + library + "\"") != std::string::npos) return answer;
    return {};
  }
  std::string LongPathName(const std::string& path) override { return path; }
  std::uint32_t HoldLockFile(const std::string& path) override {
    return lockRefusal != 0 ? lockRefusal : (lockHeld = path, 0);
  }
  void ReleaseLockFile() override { lockHeld.clear(); }
  bool IsAdministrator() override { return administrator; }
  void StopDispatchingWhileWriting() override { dispatchingWhileWriting = false; }
  std::string OwnerAndDacl(const std::string& path) override {
    if (descriptors.contains(path) && descriptors[path].empty()) throw HostFailure(1350, "No ACL");
    return descriptors.contains(path) ? descriptors[path] : "O:BAD:(A;;FA;;;SY)(A;;FA;;;BA)";
  }
  std::optional<std::string> LinkOwnerAndDacl(const std::string& path) override {
    return links.contains(path) ? std::optional(links[path]) : std::nullopt;
  }
  std::string RunningUserSid() override { return "S-1-5-18"; }
  std::string AccountName(const std::string& sid) override {
    return accountNames.contains(sid) ? accountNames[sid] : sid;
  }

 private:
  std::string* Find(const std::string& path) {
    for (auto& [stored, contents] : files_)
      if (EqualsIgnoreCase(stored, path)) return &contents;
    return nullptr;
  }
  std::vector<std::string> List(const std::string& pattern) {
    for (const auto& [prefix, number] : failingListings)
      if (pattern.starts_with(prefix)) throw HostFailure(number, "Listing failed");
    const auto slash = pattern.rfind('\\') + 1;
    std::vector<std::string> found;
    for (const auto& [path, contents] : files_) {
      const std::size_t nameAt = path.rfind('\\') + 1;
      if (nameAt == slash && EqualsIgnoreCase(path.substr(0, slash), pattern.substr(0, slash)) &&
          !unlisted.contains(path) && Matches(pattern.substr(slash), path.substr(nameAt))) {
        found.push_back(path.substr(nameAt));
      }
    }
    return found;
  }

  std::vector<std::pair<std::string, std::string>> files_;  // path, contents
  std::vector<std::string> listing_;
  std::size_t next_ = 0;
};

}  // namespace tarvic::test
