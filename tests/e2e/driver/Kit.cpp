#include <doctest.h>

#include <cstdio>

#include "ControlIds.h"
#include "Driver.h"

std::string WindowsPathOf(const std::string& unixPath) {
  std::string path = unixPath[0] == '/' ? "Z:" + unixPath : unixPath;
  for (char& c : path) c = c == '/' ? '\\' : c;
  return path;
}

std::string StandinExe() {
  return WindowsPathOf(EnvironmentValue("TARVIC_E2E_STANDIN"));
}

bool AskHost(const std::string& request) {
  const std::string work = WindowsPathOf(EnvironmentValue("TARVIC_E2E_WORK")) + "\\host-";
  DeleteFileW(Wide(work + "reply").c_str());
  // Written aside and renamed, so the script never reads half a request.
  WriteBytes(work + "request.new", request + "\n");
  MoveFileW(Wide(work + "request.new").c_str(), Wide(work + "request").c_str());
  for (int waited = 0; waited < 180000; waited += 20) {
    const std::string reply = FileText(work + "reply");
    if (reply.rfind("ok", 0) == 0) return true;
    if (reply.rfind("failed", 0) == 0) {
      std::fputs(reply.c_str(), stderr);  // the script's reason, into the scenario's log
      return false;
    }
    Sleep(20);
  }
  return false;
}

KitFolder::KitFolder(const std::string& name, const std::vector<std::string>& rows)
    : path(WindowsPathOf(EnvironmentValue("TARVIC_E2E_WORK")) + "\\" + name + "\\") {
  REQUIRE(AskHost("fresh " + name));
  WriteBytes(Exe(), FileText(WindowsPathOf(EnvironmentValue("TARVIC_E2E_APP"))));
  for (const auto& row : rows) {
    for (const char* type : {".dll", ".reg"}) WriteBytes(path + row + type, row + type + "\r\n");
  }
  if (const std::string planted = EnvironmentValue("TARVIC_E2E_PLANTED"); !planted.empty()) {
    for (const auto& [name, bytes] : FilesIn(WindowsPathOf(planted) + "\\", "*.dll")) {
      WriteBytes(path + name, bytes);
    }
  }
}

HWND Shown(const App& app, const wchar_t* windowClass) {
  HWND window = WaitShown(app.Pid(), windowClass);
  REQUIRE_MESSAGE(window, "no window of the class " << Narrow(windowClass) << " showed");
  return window;
}

void TypeToolPath(const App& app, const std::string& path) {
  HWND dialog = Shown(app, TARVIC_FINDFILE_CLASS);
  Type(GetDlgItem(dialog, IDC_TXTLOOKUPPATH), path);
  Click(dialog, IDC_CMDOK);
  REQUIRE(WaitGone(dialog));
}

void Press(HWND box, int button) {
  Click(box, button);
  REQUIRE_MESSAGE(WaitGone(box), "the box stayed open");
}

void CloseExpectingExit0(App& app, HWND main) {
  Click(main, IDC_CMDCLOSE);
  CHECK(app.WaitExit() == 0);
}

std::string BatchFilesIn(const std::string& folder) {
  std::string all;
  for (const char* kind : {"Register_*.bat", "Unregister_*.bat"}) {
    for (const auto& [name, bytes] : FilesIn(folder, kind)) all += bytes;
  }
  return all;
}

namespace {

// cmd reads a batch file in the console's code page: a path goes in as it is when it fits
// there, else by its 8.3 name.
std::string CmdForm(const std::string& path) {
  BOOL lost = FALSE;
  WideCharToMultiByte(CP_OEMCP, WC_NO_BEST_FIT_CHARS, Wide(path).c_str(), -1, nullptr, 0, nullptr,
                      &lost);
  wchar_t shortPath[MAX_PATH * 2] = {};
  if (!lost || !GetShortPathNameW(Wide(path).c_str(), shortPath, MAX_PATH * 2)) return path;
  return Narrow(shortPath);
}

// A line as the batch file holds it: % doubled, for cmd would expand a lone one even inside
// quotes; in the console's code page; then CR LF.
std::string InBatchFile(const std::string& line) {
  std::wstring doubled;
  for (wchar_t c : Wide(line)) doubled += c == L'%' ? L"%%" : std::wstring(1, c);
  return Narrow(doubled, CP_OEMCP) + "\r\n";
}

}  // namespace

// The two command lines of a row: "TOOL" /p:Desktop "DLL" /f:"REG" and "TOOL" /p:Desktop /u
// "DLL". The stand-in logs the items it receives between bars.
std::string ExpectedBatchFiles(const std::string& tool, const KitFolder& kit) {
  const std::string t = "\"" + CmdForm(tool) + "\"", dll = CmdForm(kit.path + "ParcelNum.dll");
  return InBatchFile(t + " /p:Desktop \"" + dll + "\" /f:\"" + CmdForm(kit.path + "ParcelNum.reg") +
                     "\"") +
         InBatchFile(t + " /p:Desktop /u \"" + dll + "\"");
}

std::string ExpectedToolCalls(const std::string& tool, const KitFolder& kit) {
  const std::string t = CmdForm(tool), dll = CmdForm(kit.path + "ParcelNum.dll");
  return t + "|/p:Desktop|" + dll + "|/f:" + CmdForm(kit.path + "ParcelNum.reg") + "\n" + t +
         "|/p:Desktop|/u|" + dll + "\n";
}
