#pragma once

// The program under test in a folder of its own, the test script's help, what the tool receives.
#include <doctest.h>

#include <cstdio>
#include <vector>

#include "ControlIds.h"
#include "Gui.h"

inline const std::string kStandinExe = FromScript("TARVIC_E2E_STANDIN");  // logs beside itself

// Asks the test script for what only the Unix side can do ("fresh", "lock", "shot").
inline bool AskHost(const std::string& request) {
  const std::string work = FromScript("TARVIC_E2E_WORK") + "\\host-";
  DeleteFileW(Wide(work + "reply").c_str());
  // Written aside and renamed, so the script never reads half a request.
  WriteBytes(work + "request.new", request + "\n");
  MoveFileW(Wide(work + "request.new").c_str(), Wide(work + "request").c_str());
  std::string reply;
  PollUntil(180000, [&] {
    reply = FileText(work + "reply");
    return reply.starts_with("ok") || reply.starts_with("failed");
  });
  if (!reply.starts_with("ok")) std::fputs(reply.c_str(), stderr);  // the script's reason
  return reply.starts_with("ok");
}

// A fresh work folder with Tarvic_Kit.exe, each named row's .dll and .reg, and any planted DLLs.
struct KitFolder {
  explicit KitFolder(const std::string& name, const std::vector<std::string>& rows = {"ParcelNum"})
      : path(FromScript("TARVIC_E2E_WORK") + "\\" + name + "\\") {
    REQUIRE(AskHost("fresh " + name));
    WriteBytes(Exe(), FileText(FromScript("TARVIC_E2E_APP")));
    for (const auto& row : rows) {
      for (const char* type : {".dll", ".reg"}) WriteBytes(path + row + type, row + type + "\r\n");
    }
    if (const std::string planted = FromScript("TARVIC_E2E_PLANTED"); !planted.empty()) {
      for (const auto& [dll, bytes] : FilesIn(planted + "\\", "*.dll"))
        WriteBytes(path + dll, bytes);
    }
  }
  std::string Exe() const { return path + "Tarvic_Kit.exe"; }
  std::string path;  // with its trailing backslash, as the program names it
};

// Waits for a window of the class; a box the run did not expect holds the main window back.
inline HWND Shown(const App& app, const wchar_t* windowClass) {
  HWND window = nullptr;
  PollUntil(20000,
            [&] { return (window = VisibleWindow(app.info.dwProcessId, windowClass)) != nullptr; });
  REQUIRE_MESSAGE(window, "no window of the class " << Narrow(windowClass) << " showed; exit code "
                                                    << app.WaitExit(0));
  return window;
}

inline void Press(HWND box, int button) {
  Click(box, button);
  REQUIRE_MESSAGE(PollUntil(5000, [&] { return !IsWindow(box) || !IsWindowVisible(box); }),
                  "the window stayed open");
}

inline void TypeToolPath(const App& app, const std::string& path) {
  HWND dialog = Shown(app, TARVIC_FINDFILE_CLASS);
  Type(GetDlgItem(dialog, IDC_TXTLOOKUPPATH), path);
  Press(dialog, IDC_CMDOK);
}

inline void CloseExpectingExit0(App& app, HWND main) {
  Click(main, IDC_CMDCLOSE);
  CHECK(app.WaitExit() == 0);
}

// The calls the stand-in in toolFolder logged since the last look, each as "TOOL|ARG|ARG...".
inline std::string ToolCalls(const std::string& toolFolder) {
  const std::string calls = FileText(toolFolder + "ESRIRegAsm.log");
  DeleteFileW(Wide(toolFolder + "ESRIRegAsm.log").c_str());
  return calls.starts_with("<no file") ? "" : calls;
}

// Runs a folder's batch files through cmd as the user will; returns what the stand-in logged.
inline std::string ToolCallsOfBatchFiles(const std::string& folder, const std::string& toolFolder) {
  ToolCalls(toolFolder);
  for (const char* kind : {"Register_*.bat", "Unregister_*.bat"}) {
    for (const auto& [name, bytes] : FilesIn(folder, kind)) {
      CHECK(App("cmd.exe", "/c " + name, folder).WaitExit(20000) == 0);
    }
  }
  return ToolCalls(toolFolder);
}

// Nobody is at the screen of a quiet run: it must show no window at any moment, so watch all along.
inline long ExitCodeUnseen(App& app) {
  HWND shown = nullptr;
  PollUntil(20000, [&] {
    shown = shown ? shown : VisibleWindow(app.info.dwProcessId);
    return app.WaitExit(0) != -1;
  });
  CHECK_MESSAGE(!shown, "a window showed");
  return app.WaitExit(0);
}

// cmd reads a batch file in the OEM code page: a path that does not fit there goes by its 8.3 name.
inline std::string CmdForm(const std::string& path) {
  BOOL lost = FALSE;
  WideCharToMultiByte(CP_OEMCP, WC_NO_BEST_FIT_CHARS, Wide(path).c_str(), -1, nullptr, 0, nullptr,
                      &lost);
  wchar_t shortPath[MAX_PATH * 2] = {};
  if (!lost || !GetShortPathNameW(Wide(path).c_str(), shortPath, MAX_PATH * 2)) return path;
  return Narrow(shortPath);
}

// What the stand-in logs when the ParcelNum row's two batch files run.
inline std::string ExpectedToolCalls(const std::string& tool, const KitFolder& kit) {
  const std::string t = CmdForm(tool), dll = CmdForm(kit.path + "ParcelNum.dll");
  return t + "|/p:Desktop|" + dll + "|/f:" + CmdForm(kit.path + "ParcelNum.reg") + "\n" + t +
         "|/p:Desktop|/u|" + dll + "\n";
}
