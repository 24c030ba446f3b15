#include "host/win32/OpenFileDialog.h"

#include <vector>

#include "host/HostFailure.h"
#include "host/win32/DynamicCalls.h"
#include "host/win32/Utf16.h"

namespace tarvic::win32 {

namespace {

// Room for any path the system accepts.
constexpr DWORD kFileBufferChars = 32768;

// "A|B|C|D" becomes "A\0B\0C\0D\0\0", the form the dialog reads.
std::wstring DialogFilter(const std::string& filter) {
  std::wstring wide = Widen(filter);
  for (wchar_t& c : wide) {
    if (c == L'|') c = L'\0';
  }
  wide.push_back(L'\0');
  wide.push_back(L'\0');
  return wide;
}

}  // namespace

std::string ShowOpenFileDialog(HWND owner, const std::string& filter,
                               const std::string& initialFolder, const std::string& title) {
  const std::wstring wideFilter = DialogFilter(filter);
  const std::wstring wideFolder = Widen(initialFolder);
  const std::wstring wideTitle = Widen(title);
  std::vector<wchar_t> fileName(kFileBufferChars, L'\0');

  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = wideFilter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = fileName.data();
  dialog.nMaxFile = kFileBufferChars;
  dialog.lpstrInitialDir = wideFolder.empty() ? nullptr : wideFolder.c_str();
  dialog.lpstrTitle = wideTitle.c_str();
  dialog.Flags = OFN_EXPLORER;

  // The library pulls in much of the shell: an ordinary run, which never browses, does not load it.
  const ComDlg32Calls& library = ComDlg32();
  if (library.getOpenFileNameW == nullptr || library.commDlgExtendedError == nullptr) {
    throw HostFailure(static_cast<std::int32_t>(ERROR_MOD_NOT_FOUND),
                      "The file-open dialog is not available (comdlg32.dll could not be loaded).");
  }
  if (library.getOpenFileNameW(&dialog)) return Narrow(fileName.data());
  const DWORD error = library.commDlgExtendedError();
  if (error == 0) return "";  // cancelled
  throw HostFailure(
      static_cast<std::int32_t>(error),
      "The file-open dialog failed (common dialog error " + std::to_string(error) + ").");
}

}  // namespace tarvic::win32
