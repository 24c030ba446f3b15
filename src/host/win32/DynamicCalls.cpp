#include "host/win32/DynamicCalls.h"

#include <string>

namespace tarvic::win32 {

namespace {

// The loader searches the system folder alone where it knows the flag (the same systems that
// have SetDefaultDllDirectories).
DWORD SystemFolderOnly() {
  return Kernel32().setDefaultDllDirectories != nullptr ? LOAD_LIBRARY_SEARCH_SYSTEM32 : 0;
}

template <class Pointer>
Pointer LookUp(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Pointer>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace

const Kernel32Calls& Kernel32() {
  static const Kernel32Calls calls = [] {
    const HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
    Kernel32Calls found;
#ifndef TARVIC_AS_IF_WITHOUT_DEFAULT_DLL_DIRECTORIES  // a test build's stand-in for an old system
    found.setDefaultDllDirectories =
        LookUp<SetDefaultDllDirectoriesFn>(kernel32, "SetDefaultDllDirectories");
#endif
    found.setDllDirectoryW = LookUp<SetDllDirectoryWFn>(kernel32, "SetDllDirectoryW");
    return found;
  }();
  return calls;
}

const User32Calls& User32() {
  static const User32Calls calls = [] {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    User32Calls found;
    found.getDpiForWindow = LookUp<GetDpiForWindowFn>(user32, "GetDpiForWindow");
    found.getDpiForSystem = LookUp<GetDpiForSystemFn>(user32, "GetDpiForSystem");
    found.adjustWindowRectExForDpi =
        LookUp<AdjustWindowRectExForDpiFn>(user32, "AdjustWindowRectExForDpi");
    return found;
  }();
  return calls;
}

const ComCtl32Calls& ComCtl32() {
  static const ComCtl32Calls calls = [] {
    // By bare name, so that the manifest's side-by-side version 6 is the one loaded.
    const HMODULE comctl32 = LoadLibraryExW(L"comctl32.dll", nullptr, SystemFolderOnly());
    ComCtl32Calls found;
    found.initCommonControlsEx =
        LookUp<decltype(&InitCommonControlsEx)>(comctl32, "InitCommonControlsEx");
    found.setWindowSubclass = LookUp<SetWindowSubclassFn>(comctl32, "SetWindowSubclass");
    found.removeWindowSubclass = LookUp<RemoveWindowSubclassFn>(comctl32, "RemoveWindowSubclass");
    found.defSubclassProc = LookUp<DefSubclassProcFn>(comctl32, "DefSubclassProc");
    return found;
  }();
  return calls;
}

const ComDlg32Calls& ComDlg32() {
  static const ComDlg32Calls calls = [] {
    const HMODULE comdlg32 = LoadSystemLibrary(L"comdlg32.dll");
    ComDlg32Calls found;
    found.getOpenFileNameW = LookUp<decltype(&GetOpenFileNameW)>(comdlg32, "GetOpenFileNameW");
    found.commDlgExtendedError =
        LookUp<decltype(&CommDlgExtendedError)>(comdlg32, "CommDlgExtendedError");
    return found;
  }();
  return calls;
}

HMODULE LoadSystemLibrary(const wchar_t* name) {
  if (const DWORD flags = SystemFolderOnly()) return LoadLibraryExW(name, nullptr, flags);
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  // A full path, whose own dependencies are then looked for beside it first.
  const std::wstring path = std::wstring(folder, length) + L"\\" + name;
  return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

void PreloadLibrariesLoadedByBareName() {
  // Reasoned from Windows (XP to 7 without KB2533623): none of these is a KnownDLL there, and
  // each is loaded by bare name, by LoadLibrary or a delay-load, from a system library this
  // program uses. Their own imports are then resolved beside them, in the system folder. Wine's
  // libraries pull in other names than Windows' do, so a run under Wine shows that the preload
  // works, not that this list is complete.
  static const wchar_t* const kLoadedByBareName[] = {
      L"uxtheme.dll",  // comctl32 v6 draws every themed control through it (XP and later)
      L"dwmapi.dll",   // delay-loaded by uxtheme, comctl32 v6 and comdlg32 (Vista and later)
      L"propsys.dll",  // delay-loaded by comdlg32 and shell32 for the file dialog (Vista and later)
      L"linkinfo.dll",  // shell32 resolves the shortcuts the file dialog lists through it
      L"ntshrui.dll",   // shell32's overlay for shared folders in the file dialog's list
      L"cscapi.dll",    // delay-loaded by shell32 for the offline-files state (Windows 7)
      L"oleacc.dll",    // comctl32 and user32 answer a screen reader's WM_GETOBJECT through it
  };
#ifdef TARVIC_WITHOUT_PRELOAD  // a test build's switch, to show that a planted DLL then loads
  return;
#endif
  for (const wchar_t* name : kLoadedByBareName) LoadSystemLibrary(name);
}

}  // namespace tarvic::win32
