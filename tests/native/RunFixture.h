#pragma once

#include <gtest/gtest.h>

#include <string>

#include "FakeViews.h"
#include "MemoryHost.h"
#include "batch/Catalogue.h"
#include "cli/ProgramRun.h"
#include "ui/frmBatch.h"

namespace tarvic::test {

inline const std::string kNl = "\r\n", kFolder = "C:\\Ext\\";
inline const std::string kFirstCandidate =
    "C:\\Program Files (x86)\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe";
inline const std::string kVersionBanner =
    "------< Tarvic v. " TARVIC_VERSION_SHOWN ">" + std::string(68, '-');

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
    ProgramRun run(host);
    if (run.Done()) return run.ExitCode();
    if (run.Quiet()) return run.RunQuiet();
    run.Form().Attach(&view);
    run.Form().Form_Load();
    return run.Finish(view.reportText);
  }
  std::string Run() {
    form.Form_Load();
    return view.reportText;
  }

  MemoryHost host;
  FakeMainWindowView view;
  frmBatch form{host};
};

}  // namespace tarvic::test
