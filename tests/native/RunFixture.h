#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeViews.h"
#include "MemoryHost.h"
#include "batch/Catalogue.h"
#include "ui/frmBatch.h"

namespace tarvic::test {

inline const std::string kNl = "\r\n";
inline const std::string kFolder = "C:\\Ext\\";
inline const std::string kFirstCandidate =
    "C:\\Program Files (x86)\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe";
inline const std::string kVersionBanner = "------< Tarvic v. 1.0.39>" + std::string(68, '-');
inline const std::string kGaveUpReport =
    "Failed to find ESRI Assembly Registry tool 'ESRIRegAsm.exe'!" + kNl + kNl +
    "Operation cancelled..." + kNl + kNl + kVersionBanner;

// The catalogue row numbered as users see it, from 1.
inline const ExtensionEntry& Row(int number) {
  return ExtensionCatalogue().at(number - 1);
}

// The first line of an error report, its line number shown as <n>: the numbers lead a
// maintainer to the statement and are not part of the contract.
inline std::string Location(const MessageBoxCall& box) {
  std::string line = box.prompt.substr(0, box.prompt.find(kNl));
  const auto digits = line.find_last_not_of("0123456789");
  return digits + 1 < line.size() ? line.substr(0, digits + 1) + "<n>" : line;
}

// The program started once on a machine without syswow64: the program alone in C:\Ext, the
// rich-text control in system32 and the tool at the first fixed place.
class RunTest : public ::testing::Test {
 protected:
  RunTest() {
    host.environment["WinDir"] = "C:\\Windows";
    host.AddFile("C:\\Windows\\system32\\RICHTX32.OCX");
    host.AddFile(kFirstCandidate);
    form.Attach(&view);
  }

  void AddRow(int number, const std::string& folder = kFolder) {
    host.AddFile(folder + Row(number).DllName);
    host.AddFile(folder + Row(number).RegName);
  }

  // Runs the load handler and returns what the report box then shows.
  std::string Run() {
    form.Form_Load();
    return view.reportText;
  }

  MemoryHost host;
  FakeMainWindowView view;
  frmBatch form{host};
};

}  // namespace tarvic::test
