#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "FakeViews.h"
#include "MemoryHost.h"
#include "app/Application.h"
#include "app/Channels.h"
#include "batch/Catalogue.h"
#include "ui/frmBatch.h"

namespace tarvic::test {

inline const std::string kNl = "\r\n", kFolder = "C:\\Ext\\";
inline const std::string kFirstCandidate =
    "C:\\Program Files (x86)\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe";
inline const std::string kVersionBanner =
    "------< Tarvic v. " TARVIC_VERSION_SHOWN ">" + std::string(68, '-');

// The channels of a run at a screen, as the application makes them: boxes and the clipboard
// on the host, the locate dialog on a fake desktop.
struct ScreenChannels {
  explicit ScreenChannels(MemoryHost& host)
      : log(host, std::nullopt),
        errors(host, log, false),
        boxes(host, false),
        locate(host, errors, &desktop) {}
  FakeDesktop desktop;
  RunLog log;
  RunErrorSink errors;
  RunMessageBoxes boxes;
  RunLocatePrompt locate;
  RunChannels channels{locate, errors, boxes};
};

// The program started once on a machine without syswow64: the program's folder C:\Ext, the
// rich-text control in system32 and the tool at the first fixed place.
class RunTest : public ::testing::Test {
 protected:
  RunTest() {
    host.environment["WinDir"] = "C:\\Windows";
    host.AddFile("C:\\Windows\\system32\\RICHTX32.OCX");
    host.AddFile(kFirstCandidate);
    form.Attach(&view);
  }
  void AddRow(int number) {  // numbered from 1, as users see it
    const ExtensionEntry& row = ExtensionCatalogue().at(number - 1);
    host.AddFile(kFolder + row.DllName);
    host.AddFile(kFolder + row.RegName);
  }
  // Starts the program with these arguments as its entry point does; returns its exit code.
  int Start(std::vector<std::string> arguments, bool console = true) {
    host.arguments = std::move(arguments);
    host.hasConsole = console;
    return RunApplication(host, desktop);
  }
  // The load handler alone, on a window at the screen; returns the report box.
  std::string Run() {
    form.Form_Load();
    return view.reportText;
  }

  MemoryHost host;
  FakeMainWindowView view;
  ScreenChannels screen{host};
  FakeDesktop& desktop = screen.desktop;
  frmBatch form{host, screen.channels};
};

}  // namespace tarvic::test
