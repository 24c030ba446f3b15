#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "host/Host.h"

namespace tarvic::test {

// File attributes as the platform numbers them.
namespace attr {
constexpr unsigned kNormal = 0;
constexpr unsigned kReadOnly = 1;
constexpr unsigned kHidden = 2;
constexpr unsigned kSystem = 4;
constexpr unsigned kFolder = 16;
}  // namespace attr

struct MessageBoxCall {
  std::string prompt;
  int style;
  std::string title;
};

// A whole machine in memory. Paths match without regard to letter case; a listing returns names
// in their stored case, in the order the files were added. The console code page is ASCII.
class MemoryHost : public Host {
 public:
  std::string appPath = "C:\\Ext";
  AppVersion version{1, 0, 39};
  std::map<std::string, std::string> environment;
  std::vector<std::string> dirCalls;
  std::map<std::string, std::string> shortNames;  // full path -> its 8.3 form
  std::deque<std::string> locateAnswers;          // "Cancel" once empty
  int locateDialogs = 0;
  std::deque<int> messageBoxAnswers;  // OK once empty
  std::vector<MessageBoxCall> messageBoxes;
  std::string clipboard;
  bool clipboardFails = false;
  std::deque<std::string> openAnswers;  // "" (cancelled) once empty
  std::vector<std::string> openCalls;   // filter, folder and title, joined by '|'
  std::vector<std::string> arguments;
  bool hasConsole = false;
  std::string console;

  void AddFile(const std::string& path, unsigned attributes = attr::kNormal);
  std::string Contents(const std::string& path) const;  // "" when missing
  std::vector<std::string> BatchFiles() const;          // bare names of *.bat, listing order
  // A listing whose pattern begins with `prefix` fails.
  void FailListing(const std::string& prefix, std::int32_t number);
  void Lock(const std::string& path);            // writing it fails, the file is left as it was
  void HideAfterWrite(const std::string& path);  // written, then no listing sees it

  std::string AppPath() override { return appPath; }
  AppVersion Version() override { return version; }
  std::string Dir(const std::string& pattern) override;
  std::string DirNext() override;
  bool FileExists(const std::string& path) override;
  std::string Environ(const std::string& name) override;
  std::string CmdPathForm(const std::string& path) override;
  void WriteLineFile(const std::string& path, const std::string& line) override;
  int MsgBox(const std::string& prompt, int style, const std::string& title) override;
  void ClipboardSetText(const std::string& text) override;
  std::string ShowOpen(const std::string& filter, const std::string& initialFolder,
                       const std::string& title) override;
  std::string ShowLocateDialog() override;
  std::vector<std::string> Arguments() override { return arguments; }
  void WriteBytesFile(const std::string& path, const std::string& bytes) override;
  bool PrintToConsole(const std::string& text) override;

 private:
  struct Entry {
    std::string path;
    unsigned attributes;
    std::string contents;
  };
  Entry* Find(const std::string& path);
  std::vector<std::string> List(const std::string& pattern) const;

  std::vector<Entry> entries_;
  std::map<std::string, std::int32_t> failingListings_;
  std::vector<std::string> locked_, hiddenAfterWrite_;
  std::vector<std::string> listing_;
  std::size_t next_ = 0;
};

}  // namespace tarvic::test
