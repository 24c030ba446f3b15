#pragma once

#include <string>

#include "host/Form.h"
#include "host/Host.h"
#include "ui/FormView.h"

namespace tarvic {

class frmBatch;

// The ten-line text of the instructions box.
std::string FindFileInstructionsText();

// The locate-tool dialog's logic. It answers exactly once through the owner's ESRIRegAsmPath:
// "Cancel" on load, then the path box's text on OK or "Cancel" on Cancel.
class frmFindFile : public Form {
 public:
  explicit frmFindFile(Host& host) : host_(host) {}

  void Attach(FindFileView* view) { view_ = view; }

  void FormProperty(Form* pForm);
  void Form_Load();
  void Form_Unload();
  void txtLookupPath_Change();
  void cmdSelLookup_Click();
  void cmdOK_Click();
  void cmdCancel_Click();

  bool HasOwner() const { return OwnerForm != nullptr; }

 private:
  void CheckEnable();
  FindFileView& View();
  frmBatch& Owner();

  Host& host_;
  FindFileView* view_ = nullptr;
  frmBatch* OwnerForm = nullptr;
};

}  // namespace tarvic
