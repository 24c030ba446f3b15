#pragma once

#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "batch/FolderScan.h"
#include "host/Host.h"

namespace tarvic::test {

struct MessageBoxCall {
  std::string prompt;
  int style;
  std::string title;
};

// A whole machine in memory. Paths match without regard to letter case; a listing returns names
// in their stored case, in the order the files were added. The console code page is ASCII.
class MemoryHost : public Host {
 public:
  std::string appPath = "C:\\Ext", clipboard, console, lastOpen;
  std::map<std::string, std::string> environment, shortNames;  // full path -> its 8.3 form
  std::map<std::string, int> failingListings;  // a listing whose pattern begins so fails
  std::vector<std::string> dirCalls, locked, unlisted, arguments;  // unlisted: never listed
  std::deque<std::string> locateAnswers, openAnswers;  // then "Cancel", and "" (cancelled)
  std::deque<int> boxAnswers;                          // then OK
  std::vector<MessageBoxCall> boxes;
  bool clipboardFails = false, hasConsole = false;
  int locateDialogs = 0;

  void AddFile(const std::string& path) { WriteBytesFile(path, ""); }
  std::string Contents(const std::string& path);
  std::vector<std::string> BatchFiles() { return List(ProgramFolderOf(appPath) + "*.bat"); }

  std::string AppPath() override { return appPath; }
  AppVersion Version() override { return {1, 0, 39}; }
  std::string Dir(const std::string& pattern) override;
  std::string DirNext() override { return next_ < listing_.size() ? listing_[next_++] : ""; }
  bool FileExists(const std::string& path) override { return !List(path).empty(); }
  std::string Environ(const std::string& name) override { return environment[name]; }
  std::string CmdPathForm(const std::string& path) override;
  void WriteLineFile(const std::string& path, const std::string& line) override {
    WriteBytesFile(path, line + "\r\n");
  }
  void WriteBytesFile(const std::string& path, const std::string& bytes) override;
  int MsgBox(const std::string& prompt, int style, const std::string& title) override {
    boxes.push_back({prompt, style, title});
    return Take(boxAnswers, msgbox::kAnswerOk);
  }
  void ClipboardSetText(const std::string& text) override {
    if (clipboardFails) throw HostFailure(521, "Can't open Clipboard");
    clipboard = text;
  }
  std::string ShowOpen(const std::string& filter, const std::string& folder,
                       const std::string& title) override {
    lastOpen = filter + "|" + folder + "|" + title;
    return Take(openAnswers, std::string());
  }
  std::string ShowLocateDialog() override {
    ++locateDialogs;
    return Take(locateAnswers, std::string("Cancel"));
  }
  std::vector<std::string> Arguments() override { return arguments; }
  bool PrintToConsole(const std::string& text) override {
    if (hasConsole) console += text;
    return hasConsole;
  }

 private:
  template <class T>
  static T Take(std::deque<T>& queue, T whenEmpty) {
    if (queue.empty()) return whenEmpty;
    T front = queue.front();
    queue.pop_front();
    return front;
  }
  std::string* Find(const std::string& path);
  std::vector<std::string> List(const std::string& pattern);

  std::vector<std::pair<std::string, std::string>> files_;  // path, contents
  std::vector<std::string> listing_;
  std::size_t next_ = 0;
};

}  // namespace tarvic::test
