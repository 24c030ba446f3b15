#include "App.h"

#include <vector>

#include "Utf.h"

namespace {

// The driver's own environment with "WinDir" replaced; names compare without case, as Windows
// does.
std::vector<wchar_t> EnvironmentWithWinDir(const std::string& winDir) {
  std::vector<wchar_t> block;
  wchar_t* own = GetEnvironmentStringsW();
  for (const wchar_t* entry = own; *entry; entry += wcslen(entry) + 1) {
    if (_wcsnicmp(entry, L"windir=", 7) == 0) continue;
    block.insert(block.end(), entry, entry + wcslen(entry) + 1);
  }
  FreeEnvironmentStringsW(own);
  const std::wstring ours = L"WinDir=" + Wide(winDir);
  block.insert(block.end(), ours.c_str(), ours.c_str() + ours.size() + 1);
  block.push_back(L'\0');
  return block;
}

std::string FolderOf(const std::string& path) {
  return path.substr(0, path.find_last_of('\\'));
}

}  // namespace

App::App(const std::string& exePath, const std::string& winDir) {
  std::wstring commandLine = L"\"" + Wide(exePath) + L"\"";
  std::vector<wchar_t> environment;
  if (!winDir.empty()) environment = EnvironmentWithWinDir(winDir);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(Wide(exePath).c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                      CREATE_UNICODE_ENVIRONMENT,
                      environment.empty() ? nullptr : environment.data(),
                      Wide(FolderOf(exePath)).c_str(), &startup, &info)) {
    return;
  }
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  pid_ = info.dwProcessId;
  WaitForInputIdle(process_, 10000);
}

App::~App() {
  if (!process_) return;
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
}

bool App::WaitExit(int timeoutMs, DWORD& code) {
  if (!process_ || WaitForSingleObject(process_, static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0) {
    return false;
  }
  return GetExitCodeProcess(process_, &code) != 0;
}

long RunAndWait(const std::string& commandLine, const std::string& folder, int timeoutMs) {
  std::wstring line = Wide(commandLine);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      Wide(folder).c_str(), &startup, &info)) {
    return -1;
  }
  CloseHandle(info.hThread);
  DWORD code = static_cast<DWORD>(-1);
  if (WaitForSingleObject(info.hProcess, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0) {
    GetExitCodeProcess(info.hProcess, &code);
  } else {
    TerminateProcess(info.hProcess, 99);
  }
  CloseHandle(info.hProcess);
  return static_cast<long>(code);
}
