// The program's work done the plainest way, as the bench's yardstick: list the libraries and
// registry scripts beside it, probe the tool's six fixed paths and the rich-text control, write
// and check two one-line batch files (OEM code page, CR LF) per extension present, and show the
// listing in one window of the same kind. No error handling beyond what the timing needs.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "batch/Catalogue.h"
#include "batch/ToolLocator.h"

namespace {

std::wstring Wide(const std::string& text) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                  wide.data(), static_cast<int>(wide.size())));
  return wide;
}

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

std::vector<std::wstring> List(const std::wstring& folder, const wchar_t* pattern) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  const DWORD skipped = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  do {
    if (!(found.dwFileAttributes & skipped)) names.push_back(found.cFileName);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Contains(const std::vector<std::wstring>& names, const std::wstring& name) {
  return std::any_of(names.begin(), names.end(), [&](const std::wstring& n) {
    return lstrcmpiW(n.c_str(), name.c_str()) == 0;
  });
}

std::wstring FindTool() {
  // The program's own six places, so the yardstick cannot drift from it.
  std::wstring tool;
  for (const std::string& candidate : tarvic::ToolCandidates()) {
    if (Exists(Wide(candidate)) && tool.empty()) tool = Wide(candidate);
  }
  return tool;
}

bool RichTextControlPresent() {
  wchar_t windows[MAX_PATH];
  GetEnvironmentVariableW(L"WinDir", windows, MAX_PATH);
  const std::wstring base = std::wstring(windows) + L"\\";
  const std::wstring system =
      Exists(base + L"syswow64") ? base + L"syswow64\\" : base + L"system32\\";
  return Exists(system + L"RICHTX32.ocx");
}

// One line, in the console's code page, then CR LF; true when the file is there afterwards.
bool WriteBatchFile(const std::wstring& path, const std::wstring& line) {
  std::string bytes(line.size() * 2 + 2, '\0');
  bytes.resize(WideCharToMultiByte(CP_OEMCP, 0, line.data(), static_cast<int>(line.size()),
                                   bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr));
  bytes += "\r\n";
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return Exists(path);
}

std::wstring DoTheWork() {
  const std::wstring folder = ProgramFolder();
  const std::vector<std::wstring> regs = List(folder, L"*.reg");
  const std::vector<std::wstring> dlls = List(folder, L"*.dll");
  const std::wstring tool = FindTool();
  std::wstring report = RichTextControlPresent() ? L"" : L"No rich-text control.\r\n";
  for (const tarvic::ExtensionEntry& entry : tarvic::ExtensionCatalogue()) {
    const std::wstring dll = Wide(entry.DllName), reg = Wide(entry.RegName);
    if (!Contains(dlls, dll) || !Contains(regs, reg)) continue;
    const std::wstring q = L"\"";
    const std::wstring registerBat = folder + Wide(entry.RegisterBat);
    const std::wstring unregisterBat = folder + Wide(entry.UnregisterBat);
    const bool written =
        WriteBatchFile(registerBat, q + tool + L"\" /p:Desktop \"" + folder + dll + L"\" /f:\"" +
                                        folder + reg + q) &&
        WriteBatchFile(unregisterBat, q + tool + L"\" /p:Desktop /u \"" + folder + dll + q);
    report += (written ? L"Batch files written for " : L"Batch files failed for ") +
              Wide(entry.ToolTitle) + L":\r\n  --> " + registerBat + L"\r\n  --> " + unregisterBat +
              L"\r\n\r\n";
  }
  report += L"Tool: " + tool + L"\r\n\r\n";
  for (const auto* names : {&regs, &dlls}) {
    report += L"Found " + std::to_wstring(names->size()) + L" files in " + folder + L"\r\n";
    for (const std::wstring& name : *names) report += L"  --> " + folder + name + L"\r\n";
    report += L"\r\n";
  }
  return report;
}

LRESULT CALLBACK SameWorkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  const std::wstring report = DoTheWork();

  WNDCLASSW wc = {};
  wc.lpfnWndProc = SameWorkProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"TarvicKit.SameWork";
  RegisterClassW(&wc);
  const DWORD style = WS_CAPTION | WS_SYSMENU | WS_BORDER;
  RECT r = {0, 0, 569, 299};
  AdjustWindowRectEx(&r, style, FALSE, 0);
  HWND window =
      CreateWindowExW(0, wc.lpszClassName, L"Same work", style, CW_USEDEFAULT, CW_USEDEFAULT,
                      r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, nullptr);
  // Without ES_AUTOHSCROLL or a horizontal scroll bar the edit box wraps its words.
  HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                              WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY, 0, 0,
                              569, 270, window, nullptr, instance, nullptr);
  SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
  SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);  // the default cap is far below a large listing
  SetWindowTextW(edit, report.c_str());
  ShowWindow(window, show);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
