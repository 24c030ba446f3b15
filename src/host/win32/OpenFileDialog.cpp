#include "host/win32/OpenFileDialog.h"

#include <commdlg.h>

#include <vector>

#include "host/HostFailure.h"
#include "host/win32/LookUpFunction.h"
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

// The common dialog library pulls in much of the shell; it is loaded only when the user browses,
// so that an ordinary run does not pay for it at start-up.
struct CommonDialogLibrary {
  decltype(&GetOpenFileNameW) getOpenFileName = nullptr;
  decltype(&CommDlgExtendedError) extendedError = nullptr;
};

const CommonDialogLibrary& LoadCommonDialogLibrary() {
  static CommonDialogLibrary library = [] {
    CommonDialogLibrary loaded;
    const HMODULE module = LoadLibraryW(L"comdlg32.dll");
    loaded.getOpenFileName =
        LookUpFunction<decltype(&GetOpenFileNameW)>(module, "GetOpenFileNameW");
    loaded.extendedError =
        LookUpFunction<decltype(&CommDlgExtendedError)>(module, "CommDlgExtendedError");
    return loaded;
  }();
  return library;
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

  const CommonDialogLibrary& library = LoadCommonDialogLibrary();
  if (library.getOpenFileName == nullptr || library.extendedError == nullptr) {
    throw HostFailure(static_cast<std::int32_t>(ERROR_MOD_NOT_FOUND),
                      "The file-open dialog is not available (comdlg32.dll could not be loaded).");
  }
  if (library.getOpenFileName(&dialog)) return Narrow(fileName.data());
  const DWORD error = library.extendedError();
  if (error == 0) return "";  // cancelled
  throw HostFailure(
      static_cast<std::int32_t>(error),
      "The file-open dialog failed (common dialog error " + std::to_string(error) + ").");
}

}  // namespace tarvic::win32
