#pragma once

#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>

// Everything the program takes from Windows at run time rather than at load time: functions that
// Windows XP lacks; the common controls, which would otherwise load before the entry point can
// keep their own dependencies (uxtheme) out of the program's folder; and the common dialog
// library, which is loaded only when the user browses. Each is null where the system does not
// have it; callers then take the older way.

// Names newer than the XP-era headers we build against, under their own names.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace tarvic::win32 {

// kernel32: Windows 7 with update KB2533623, and later.
using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD flags);
// kernel32: Windows XP SP1 and later.
using SetDllDirectoryWFn = BOOL(WINAPI*)(const wchar_t* path);

struct Kernel32Calls {
  SetDefaultDllDirectoriesFn setDefaultDllDirectories = nullptr;
  SetDllDirectoryWFn setDllDirectoryW = nullptr;
};
const Kernel32Calls& Kernel32();

// user32: Windows 10 (1607) and later.
using GetDpiForWindowFn = UINT(WINAPI*)(HWND window);
using GetDpiForSystemFn = UINT(WINAPI*)();
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT* rect, DWORD style, BOOL menu, DWORD exStyle,
                                                 UINT dpi);

struct User32Calls {
  GetDpiForWindowFn getDpiForWindow = nullptr;
  GetDpiForSystemFn getDpiForSystem = nullptr;
  AdjustWindowRectExForDpiFn adjustWindowRectExForDpi = nullptr;
};
const User32Calls& User32();

// comctl32 version 6, as the manifest asks, loaded on first use once the DLL search is
// restricted.
using SetWindowSubclassFn = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR);
using RemoveWindowSubclassFn = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR);
using DefSubclassProcFn = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);

struct ComCtl32Calls {
  decltype(&InitCommonControlsEx) initCommonControlsEx = nullptr;
  SetWindowSubclassFn setWindowSubclass = nullptr;
  RemoveWindowSubclassFn removeWindowSubclass = nullptr;
  DefSubclassProcFn defSubclassProc = nullptr;
};
const ComCtl32Calls& ComCtl32();

// comdlg32, loaded from the system folder on first use.
struct ComDlg32Calls {
  decltype(&GetOpenFileNameW) getOpenFileNameW = nullptr;
  decltype(&CommDlgExtendedError) commDlgExtendedError = nullptr;
};
const ComDlg32Calls& ComDlg32();

// Loads a system library from the system folder only, never from the program's folder, where
// anyone may have left a DLL of the same name.
HMODULE LoadSystemLibrary(const wchar_t* name);

// For systems whose loader cannot be told to search the system folder alone: loads from there, by
// full path, the system libraries that the common controls and the file dialog would later load by
// bare name: the loader then finds each already loaded instead of searching the program's folder
// first. Call it before any window or box.
void PreloadLibrariesLoadedByBareName();

}  // namespace tarvic::win32
