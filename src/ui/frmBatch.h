#pragma once

#include <string>
#include <vector>

#include "batch/RunOwner.h"
#include "host/Host.h"
#include "ui/FormView.h"

namespace tarvic {

// The main window's logic: its load handler is the whole batch run.
class frmBatch : public RunOwner {
 public:
  explicit frmBatch(Host& host) : host_(host) {}

  // The window the logic drives; set before Form_Load.
  void Attach(MainWindowView* view) { view_ = view; }

  void Form_Load();
  void cmdCopy_Click();
  void cmdClose_Click();

  void ESRIRegAsmPath(const std::string& strPathName) override;
  void ClearPathAnswer() override { PathAnswer_.clear(); }
  const std::string& PathAnswer() const override { return PathAnswer_; }
  std::string ReturnDirValue(const std::string& strESRIPath) override;

 private:
  MainWindowView& View();

  Host& host_;
  MainWindowView* view_ = nullptr;
  std::string PathAnswer_;
  // Network shares that failed to answer a probe in this run; see ReturnDirValue.
  std::vector<std::string> unreachableShares_;
};

}  // namespace tarvic
