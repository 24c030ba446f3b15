#include "MemoryHost.h"

#include "batch/Text.h"
#include "ui/frmFindFile.h"

namespace tarvic::test {

namespace {
// A locator that never stops asking would otherwise hang the test run.
constexpr std::size_t kMaxDialogs = 20;
}  // namespace

std::string MemoryHost::Dir(const std::string& pattern) {
  dirCalls.push_back(pattern);
  listing_.clear();
  next_ = 0;
  listing_ = files.List(pattern);
  return DirNext();
}

std::string MemoryHost::DirNext() {
  return next_ < listing_.size() ? listing_[next_++] : "";
}

bool MemoryHost::FileExists(const std::string& path) {
  dirCalls.push_back(path);
  return !files.List(path).empty();
}

std::string MemoryHost::Environ(const std::string& name) {
  for (const auto& [key, value] : environment) {
    if (EqualsIgnoreCase(key, name)) return value;
  }
  return "";
}

void MemoryHost::WriteLineFile(const std::string& path, const std::string& line) {
  files.WriteLine(path, line);
}

int MemoryHost::MsgBox(const std::string& prompt, int style, const std::string& title) {
  messageBoxes.push_back({prompt, style, title});
  if (messageBoxAnswers.empty()) return msgbox::kAnswerOk;
  const int answer = messageBoxAnswers.front();
  messageBoxAnswers.pop_front();
  return answer;
}

void MemoryHost::ClipboardSetText(const std::string& text) {
  if (clipboardFails) throw HostFailure(521, "Can't open Clipboard");
  clipboard = text;
}

std::string MemoryHost::ShowOpen(const std::string& filter, const std::string& initialFolder,
                                 const std::string& title) {
  openCalls.push_back({filter, initialFolder, title});
  if (showOpenFails) throw HostFailure(32755, "Dialog failed");
  if (openAnswers.empty()) return "";
  std::string answer = openAnswers.front();
  openAnswers.pop_front();
  return answer;
}

std::string MemoryHost::ShowLocateDialog() {
  if (dialogs.size() >= kMaxDialogs) throw HostFailure(51, "Too many locate dialogs");
  frmFindFile form(*this);
  FakeFindFileView view;
  view.onPathChange = [&] { form.txtLookupPath_Change(); };
  form.Attach(&view);
  form.Form_Load();

  DialogRecord record;
  record.afterLoad = view.State();
  record.answerAfterLoad = form.Answer();
  while (!view.geometry.closed) {
    if (userActions.empty()) {
      record.scriptRanOut = true;
      view.Unload();
      break;
    }
    const UserAction action = userActions.front();
    userActions.pop_front();
    switch (action.kind) {
      case UserAction::kType:
        view.SetLookupPathText(action.text);
        break;
      case UserAction::kOk:
        if (view.okEnabled) {
          form.cmdOK_Click();
        } else {
          ++record.ignoredOkPresses;
        }
        break;
      case UserAction::kCancel:
        form.cmdCancel_Click();
        break;
      case UserAction::kCloseBox:
        view.Unload();
        break;
      case UserAction::kBrowse:
        form.cmdSelLookup_Click();
        break;
    }
  }
  record.atClose = view.State();
  dialogs.push_back(record);
  return form.Answer();
}

std::string MemoryHost::CmdPathForm(const std::string& path) {
  return path;
}

std::vector<MessageBoxCall> MemoryHost::BoxesTitled(const std::string& title) const {
  std::vector<MessageBoxCall> boxes;
  for (const auto& box : messageBoxes) {
    if (box.title == title) boxes.push_back(box);
  }
  return boxes;
}

}  // namespace tarvic::test
