#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "FakeViews.h"
#include "MemoryFileSystem.h"
#include "host/Host.h"

namespace tarvic::test {

// One step of the user in the locate dialog.
struct UserAction {
  enum Kind { kType, kOk, kCancel, kCloseBox, kBrowse } kind;
  std::string text;  // what kType types
};
inline UserAction Type(std::string text) {
  return {UserAction::kType, std::move(text)};
}
inline UserAction PressOk() {
  return {UserAction::kOk, ""};
}
inline UserAction PressCancel() {
  return {UserAction::kCancel, ""};
}
inline UserAction CloseBox() {
  return {UserAction::kCloseBox, ""};
}
inline UserAction Browse() {
  return {UserAction::kBrowse, ""};
}

struct MessageBoxCall {
  std::string prompt;
  int style;
  std::string title;
};

struct ShowOpenCall {
  std::string filter;
  std::string initialFolder;
  std::string title;
};

// One locate dialog as the user met it.
struct DialogRecord {
  FindFileViewState afterLoad;
  std::string answerAfterLoad;  // the owner's answer once the dialog had loaded
  FindFileViewState atClose;
  int ignoredOkPresses = 0;   // presses of a disabled OK
  bool scriptRanOut = false;  // closed by its close box because no action was left
};

// A whole machine in memory: files, environment, message boxes, clipboard and the user.
class MemoryHost : public Host {
 public:
  MemoryFileSystem files;
  std::string appPath = "C:\\Ext";
  AppVersion version{1, 0, 39};
  std::map<std::string, std::string> environment;

  std::vector<std::string> dirCalls;

  std::deque<int> messageBoxAnswers;  // OK once empty
  std::vector<MessageBoxCall> messageBoxes;

  std::string clipboard;
  bool clipboardFails = false;

  std::deque<std::string> openAnswers;  // "" (cancelled) once empty
  bool showOpenFails = false;
  std::vector<ShowOpenCall> openCalls;

  std::deque<UserAction> userActions;
  std::vector<DialogRecord> dialogs;

  std::string AppPath() override { return appPath; }
  AppVersion Version() override { return version; }
  std::string Dir(const std::string& pattern) override;
  std::string DirNext() override;
  bool FileExists(const std::string& path) override;
  std::string Environ(const std::string& name) override;
  void WriteLineFile(const std::string& path, const std::string& line) override;
  int MsgBox(const std::string& prompt, int style, const std::string& title) override;
  void ClipboardSetText(const std::string& text) override;
  std::string ShowOpen(const std::string& filter, const std::string& initialFolder,
                       const std::string& title) override;
  std::string ShowLocateDialog() override;
  std::string CmdPathForm(const std::string& path) override;

  // Message boxes with the given title.
  std::vector<MessageBoxCall> BoxesTitled(const std::string& title) const;

 private:
  std::vector<std::string> listing_;
  std::size_t next_ = 0;
};

}  // namespace tarvic::test
