#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "host/Host.h"
#include "host/win32/DirListing.h"
#include "host/win32/FileWrite.h"
#include "host/win32/Scoped.h"

namespace tarvic::win32 {

// The host services on the wide-character Win32 API.
class Win32Host : public Host {
 public:
  std::string AppPath() override;
  AppVersion Version() override;
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
  std::vector<std::string> Arguments() override;
  std::string FullPathName(const std::string& path) override;
  void WriteBytesFile(const std::string& path, const std::string& bytes) override;
  void AppendBytesFile(const std::string& path, const std::string& bytes) override;
  bool PrintToConsole(const std::string& text) override;
  ProgramResult RunProgram(const std::string& program, const std::string& commandLine,
                           const std::string& folder, std::uint32_t timeoutMs) override;
  std::string LongPathName(const std::string& path) override;
  std::uint32_t HoldLockFile(const std::string& path) override;
  void ReleaseLockFile() override;
  bool IsAdministrator() override;
  void StopDispatchingWhileWriting() override { whileWriteWaits_ = WhileWaiting::DispatchNothing; }
  std::string OwnerAndDacl(const std::string& path) override;
  std::optional<std::string> LinkOwnerAndDacl(const std::string& path) override;
  std::string RunningUserSid() override;
  std::string AccountName(const std::string& sid) override;

 private:
  DirListing listing_;
  // The one place that decides whether a log write that must wait answers the windows meanwhile.
  WhileWaiting whileWriteWaits_ = WhileWaiting::DispatchMessages;
  std::optional<ScopedFile> lock_;
};

// The folder part of a module's full path: no trailing backslash except at a drive root, and
// without any \\?\ prefix.
std::string FolderOfModulePath(const std::wstring& modulePath);

// The visible top-level window of this thread that should own a modal box, or NULL.
HWND VisibleOwnerWindow();

}  // namespace tarvic::win32
