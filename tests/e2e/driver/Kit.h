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
  DeleteFileW(Widen(work + "reply").c_str());
  // Written aside and renamed, so the script never reads half a request.
  WriteBytes(work + "request.new", request + "\n");
  MoveFileW(Widen(work + "request.new").c_str(), Widen(work + "request").c_str());
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
  DeleteFileW(Widen(toolFolder + "ESRIRegAsm.log").c_str());
  return calls.starts_with("<no file") ? "" : calls;
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

// The 8.3 form of an existing path, all of whose names have one.
inline std::string ShortForm(const std::string& path) {
  wchar_t form[MAX_PATH] = {};
  return Narrow(std::wstring(form, GetShortPathNameW(Widen(path).c_str(), form, MAX_PATH)));
}
