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
