#include "host/win32/Win32Host.h"

#include <vector>

#include "BuildFacts.h"
#include "host/win32/BatchLineEncoding.h"
#include "host/win32/Clipboard.h"
#include "host/win32/FileWrite.h"
#include "host/win32/LongPath.h"
#include "host/win32/OpenFileDialog.h"
#include "host/win32/ParentConsole.h"
#include "host/win32/Permissions.h"
#include "host/win32/ProgramArguments.h"
#include "host/win32/ProgramRunner.h"
#include "host/win32/SystemError.h"
#include "host/win32/Utf16.h"
#include "text/TextLines.h"

namespace tarvic::win32 {

namespace {

std::wstring RunningModulePath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
    if (length == 0) throw LastErrorFailure("Can't find the program's folder");
    // A full buffer may mean a cut-off path; only a shorter answer is certainly whole.
    if (length < size) return std::wstring(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

BOOL CALLBACK PickOwner(HWND window, LPARAM found) {
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  if (IsWindowVisible(window) && (style & WS_CAPTION) == WS_CAPTION) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::string FolderOfModulePath(const std::wstring& modulePath) {
  const std::wstring path = WithoutDevicePrefix(modulePath);
  const std::size_t lastSlash = path.find_last_of(L"\\/");
  std::wstring folder =
      lastSlash == std::wstring::npos ? std::wstring() : path.substr(0, lastSlash);
  if (folder.size() == 2 && folder[1] == L':') folder += L'\\';
  return Narrow(folder);
}

HWND VisibleOwnerWindow() {
  const HWND active = GetActiveWindow();
  if (active != nullptr && IsWindowVisible(active)) return active;
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), PickOwner, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::string Win32Host::AppPath() {
  return FolderOfModulePath(RunningModulePath());
}

AppVersion Win32Host::Version() {
  return {TARVIC_VERSION_MAJOR, TARVIC_VERSION_MINOR, TARVIC_VERSION_REVISION};
}

std::string Win32Host::Dir(const std::string& pattern) {
  return listing_.First(pattern);
}

std::string Win32Host::DirNext() {
  return listing_.Next();
}

bool Win32Host::FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(ForFileApi(Widen(path)).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    if (MeansNoMatch(error)) return false;
    throw SystemFailure(error);
  }
  return IsNormalFile(attributes);
}

std::string Win32Host::Environ(const std::string& name) {
  const std::wstring wideName = Widen(name);
  std::wstring value(256, L'\0');
  for (;;) {
    const DWORD length =
        GetEnvironmentVariableW(wideName.c_str(), value.data(), static_cast<DWORD>(value.size()));
    if (length == 0) return "";  // unset, or set to nothing
    if (length < value.size()) {
      value.resize(length);
      return Narrow(value);
    }
    value.resize(length);  // too small: `length` is the size needed, terminator included
  }
}

std::string Win32Host::CmdPathForm(const std::string& path) {
  return Narrow(CmdFormOf(Widen(path)));
}

void Win32Host::WriteLineFile(const std::string& path, const std::string& line) {
  // Encode before touching the file: a line that cannot be written must not empty it.
  const std::string bytes = OemBytesOf(Widen(line)) + kCrLf;
  ScopedFile file = OpenToWrite(path, true, 0);  // nobody reads a half-written batch file
  WriteAllAndClose(file, bytes, path);
}

// The styles and answers the logic names are the system's own values.
static_assert(msgbox::kOkCancel == MB_OKCANCEL && msgbox::kError == MB_ICONERROR &&
              msgbox::kWarning == MB_ICONWARNING && msgbox::kInformation == MB_ICONINFORMATION);
static_assert(msgbox::kAnswerOk == IDOK && msgbox::kAnswerCancel == IDCANCEL);

int Win32Host::MsgBox(const std::string& prompt, int style, const std::string& title) {
  const HWND owner = VisibleOwnerWindow();
  UINT flags = static_cast<UINT>(style) | MB_TOPMOST | MB_SETFOREGROUND;
  // Without a window of ours on screen, the box still blocks the whole program.
  if (owner == nullptr) flags |= MB_TASKMODAL;
  const int answer = MessageBoxW(owner, Widen(prompt).c_str(), Widen(title).c_str(), flags);
  if (answer == 0) throw LastErrorFailure("Can't show a message box");
  return answer;
}

void Win32Host::ClipboardSetText(const std::string& text) {
  SetClipboardText(text);
}

std::string Win32Host::ShowOpen(const std::string& filter, const std::string& initialFolder,
                                const std::string& title) {
  return ShowOpenFileDialog(VisibleOwnerWindow(), filter, initialFolder, title);
}

std::string Win32Host::FullPathName(const std::string& path) {
  return Narrow(FullPath(Widen(path)));
}

std::vector<std::string> Win32Host::Arguments() {
  return ProgramArguments();
}

void Win32Host::WriteBytesFile(const std::string& path, const std::string& bytes) {
  WriteBytesToFile(path, bytes, false, whileWriteWaits_);
}

void Win32Host::AppendBytesFile(const std::string& path, const std::string& bytes) {
  WriteBytesToFile(path, bytes, true, whileWriteWaits_);
}

bool Win32Host::PrintToConsole(const std::string& text) {
  return PrintToParentConsole(text);
}

ProgramResult Win32Host::RunProgram(const std::string& program, const std::string& commandLine,
                                    const std::string& folder, std::uint32_t timeoutMs) {
  return RunProgramAndWait(Widen(program), Widen(commandLine), Widen(folder), timeoutMs);
}

std::string Win32Host::LongPathName(const std::string& path) {
  return Narrow(LongPathOf(Widen(path)));
}

// One run per program folder. While the lock file is open without sharing, the file system
// refuses every other open of it (32), and it judges the file, not the path that led to it: so
// the lock holds across sessions and user accounts, and however the folder is reached, by a
// mapped letter or a UNC path, by its 8.3 name or through a junction. On a share the server
// enforces it, across machines too. The file goes when its handle closes, also when the process
// is killed; one left by a power loss is held by nobody and simply opened again (OPEN_ALWAYS,
// never CREATE_ALWAYS). With OPEN_REPARSE_POINT a link at that name is opened, and deleted, as
// itself: an elevated run never deletes the target that a user's link points to.
std::uint32_t Win32Host::HoldLockFile(const std::string& path) {
  if (lock_) return 0;
  const HANDLE file =
      CreateFileW(ForFileApi(Widen(path)).c_str(), DELETE, 0, nullptr, OPEN_ALWAYS,
                  FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError();
  lock_.emplace(file);
  return 0;
}

void Win32Host::ReleaseLockFile() {
  lock_.reset();
}

bool Win32Host::IsAdministrator() {
  return HasAdministratorToken();
}

std::string Win32Host::OwnerAndDacl(const std::string& path) {
  return OwnerAndDaclOf(path);
}

std::optional<std::string> Win32Host::LinkOwnerAndDacl(const std::string& path) {
  return LinkOwnerAndDaclOf(path);
}

std::string Win32Host::RunningUserSid() {
  return ProcessUserSid();
}

std::string Win32Host::AccountName(const std::string& sid) {
  return AccountNameOf(sid);
}

}  // namespace tarvic::win32
