#pragma once

#include <string>

#include "errors/ErrorSink.h"
#include "ui/FormView.h"

namespace tarvic {

class Host;

// The ten-line text of the instructions box.
std::string FindFileInstructionsText();

// The locate-tool dialog's logic. Its answer is "Cancel" from load on, the path box's text once
// OK is pressed; the code that showed the dialog reads it after the dialog has unloaded.
class frmFindFile {
 public:
  frmFindFile(Host& host, ErrorSink& errors) : host_(host), errors_(errors) {}

  void Attach(FindFileView* view) { view_ = view; }

  void Form_Load();
  void txtLookupPath_Change();
  void cmdSelLookup_Click();
  void cmdOK_Click();
  void cmdCancel_Click();

  const std::string& Answer() const { return answer_; }

 private:
  void CheckEnable();
  FindFileView& View();

  Host& host_;
  ErrorSink& errors_;
  FindFileView* view_ = nullptr;
  // Empty until the load step gives it its first value.
  std::string answer_;
};

}  // namespace tarvic
