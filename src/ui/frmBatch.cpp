#include "ui/frmBatch.h"

#include "batch/BatchRun.h"
#include "errors/ErrorTrap.h"
#include "ui/Layout.h"
#include "ui/Placement.h"

namespace tarvic {

namespace {
constexpr const char* kForm = "Error in frmBatch";
}  // namespace

MainWindowView& frmBatch::View() {
  if (view_ == nullptr) {
    throw HostFailure(errnum::kObjectNotSet, "Object variable or With block variable not set");
  }
  return *view_;
}

void frmBatch::Form_Load() {
  ErrorTrap trap(host_, "Form_Load ", kForm);
  trap.Run([&] {
    PlaceForm(View(), layout::batch::cmdClose.Bottom(), trap, 100);
    const std::string report = RunBatch(host_, *this, trap);
    trap.At(600);
    View().SetReportText(report);
  });
}

void frmBatch::cmdCopy_Click() {
  ErrorTrap trap(host_, "cmdCopy_Click ", kForm);
  trap.Run([&] {
    trap.At(10);
    const std::string text = View().ReportText();
    trap.At(20);
    host_.ClipboardSetText(text);
  });
}

void frmBatch::cmdClose_Click() {
  ErrorTrap trap(host_, "cmdClose_Click ", kForm);
  trap.Run([&] {
    trap.At(10);
    View().Unload();
  });
}

void frmBatch::ESRIRegAsmPath(const std::string& strPathName) {
  ErrorTrap trap(host_, "ESRIRegAsmPath ", kForm);
  trap.Run([&] {
    trap.At(10);
    PathAnswer_ = strPathName;
  });
}

std::string frmBatch::ReturnDirValue(const std::string& strESRIPath) {
  // An existence probe only: any failure of the listing means "missing", silently.
  try {
    return host_.Dir(strESRIPath);
  } catch (...) {
    return "";
  }
}

}  // namespace tarvic
