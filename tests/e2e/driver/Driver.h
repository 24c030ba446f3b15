#pragma once

// What the scenarios do with files, windows and the program under test, through ordinary Win32
// calls under Wine. UTF-8 inside; UTF-16 only at the calls.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

std::wstring Wide(const std::string& utf8);
std::string Narrow(const std::wstring& wide, UINT codePage = CP_UTF8);
std::string EnvironmentValue(const char* name);
// Whole bytes of a file, or a marker that cannot be mistaken for them.
std::string FileText(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
// Name and bytes of each file of a folder (ending in a backslash) that matches the pattern.
std::map<std::string, std::string> FilesIn(const std::string& folder, const std::string& pattern);

// One start of a program, from its own folder unless another is given. Whatever happens in a
// scenario, the process does not outlive it.
class App {
 public:
  explicit App(const std::string& exe, const std::string& arguments = "",
               const std::string& folder = "");
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;
  DWORD Pid() const { return info_.dwProcessId; }
  long WaitExit(int timeoutMs = 5000);  // the exit code, or -1 when it did not end in time

 private:
  PROCESS_INFORMATION info_{};
};

// Every wait polls with a limit, and every message sent has one, so a missing window or a hung
// program fails a check instead of stalling the run.
inline const wchar_t* const kDialogClass = L"#32770";   // message boxes, the file-open dialog
HWND WaitShown(DWORD pid, const wchar_t* windowClass);  // a visible top-level window, or null
bool WaitGone(HWND window);
LRESULT SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
std::string Text(HWND window);
std::string ItemText(HWND parent, int id);
// Posted, never sent: the handler may open a modal box and would block us inside it.
void Click(HWND parent, int id);
void Type(HWND edit, const std::string& text);  // one character message after another
std::string ClipboardText();
void EmptyTheClipboard();
std::string ClipboardChangedFrom(const std::string& before);

// The test script passes Unix paths; Wine shows the Unix root as Z:.
std::string WindowsPathOf(const std::string& unixPath);
std::string StandinExe();  // the stand-in registration tool, which logs its calls beside itself
// Asks the test script for what only the Unix side can do ("lock", "fill", "shot").
bool AskHost(const std::string& request);

// A fresh folder straight under the work folder holding a copy of Tarvic_Kit.exe, the library
// and registry script of each catalogue row named by its stem, and the DLLs of the folder that
// TARVIC_E2E_PLANTED names, if any.
struct KitFolder {
  KitFolder(const std::string& name, const std::vector<std::string>& rows = {"ParcelNum"});
  std::string Exe() const { return path + "Tarvic_Kit.exe"; }
  std::string path;  // with its trailing backslash, as the program names it
};

// Steps with the program under test. Shown waits for a window of the class (TARVIC_BATCH_CLASS,
// TARVIC_FINDFILE_CLASS, kDialogClass). The run ends before the main window shows, so a box it
// did not expect keeps that window from showing.
HWND Shown(const App& app, const wchar_t* windowClass);
void TypeToolPath(const App& app, const std::string& path);  // and presses OK
void Press(HWND box, int button);
void CloseExpectingExit0(App& app, HWND main);

// The register and then the unregister batch files of a folder, byte for byte; what they must
// hold for the ParcelNum row and this tool; and what the stand-in logs when they ran.
std::string BatchFilesIn(const std::string& folder);
std::string ExpectedBatchFiles(const std::string& tool, const KitFolder& kit);
std::string ExpectedToolCalls(const std::string& tool, const KitFolder& kit);

// For scripts/run.sh: shows a run's report and a screenshot; returns the exit code to use.
int ShowReport(const std::string& exePath);
