#pragma once

#include <gtest/gtest.h>

#include <string>

#include "FakeViews.h"
#include "Machine.h"
#include "MemoryHost.h"
#include "ui/frmBatch.h"

namespace tarvic::test {

inline std::string Dashes(std::size_t n) {
  return std::string(n, '-');
}

// The location line of an error report with its line number shown as <n>: the numbers lead a
// maintainer to the statement and are not part of the contract.
inline std::string Location(const MessageBoxCall& box) {
  std::string line = box.prompt.substr(0, box.prompt.find("\r\n"));
  const auto digits = line.find_last_not_of("0123456789");
  if (digits + 1 < line.size()) line = line.substr(0, digits + 1) + "<n>";
  return line;
}

// The whole program started once on an in-memory machine.
class RunTest : public ::testing::Test {
 protected:
  RunTest() {
    SetUpMachine(host);
    view.onUnload = [this] { ++unloads; };
    form.Attach(&view);
  }

  // Runs the load handler and returns what the report box then shows.
  std::string Run() {
    form.Form_Load();
    return view.reportText;
  }

  MemoryHost host;
  FakeMainWindowView view;
  frmBatch form{host};
  int unloads = 0;
};

}  // namespace tarvic::test
