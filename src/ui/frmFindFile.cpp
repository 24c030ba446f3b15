#include "ui/frmFindFile.h"

#include "batch/ToolLocator.h"
#include "errors/ErrorTrap.h"
#include "host/Host.h"
#include "text/TextLines.h"
#include "ui/Layout.h"
#include "ui/Placement.h"

namespace tarvic {

namespace {
constexpr const char* kForm = "Error in frmFindFile";
}  // namespace

std::string FindFileInstructionsText() {
  static const char* const lines[] = {
      "This tool was unable to find the Esri Registry Assembly tool 'ESRIRegAsm.exe' in the "
      "expected location.  On 32-bit machines, this file is usually located at:",
      " ",
      "  -->  C:\\Program Files\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
      " ",
      "On 64-bit machines, this file is usually located at:",
      " ",
      "  -->  C:\\Program Files (x86)\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
      " ",
      "Please enter the correct location for this file on your computer.",
      " ",
  };
  std::string text;
  for (const char* line : lines) text += std::string(line) + std::string(kCrLf);
  return text;
}

FindFileView& frmFindFile::View() {
  if (view_ == nullptr) {
    throw HostFailure(errnum::kObjectNotSet, "Object variable or With block variable not set");
  }
  return *view_;
}

void frmFindFile::Form_Load() {
  ErrorTrap trap(errors_, "Form_Load ", kForm);
  trap.Run([&] {
    PlaceForm(View(), layout::findfile::cmdOK.Bottom(), trap, 10);
    trap.At(60);
    View().SetInstructionsText(FindFileInstructionsText());
    trap.At(70);
    answer_ = kCancelAnswer;
    trap.At(80);
    View().SetLookupPathText("");
    trap.At(90);
    CheckEnable();
  });
}

void frmFindFile::CheckEnable() {
  ErrorTrap trap(errors_, "CheckEnable ", kForm);
  trap.Run([&] {
    trap.At(10);
    View().SetOkEnabled(!View().LookupPathText().empty());
  });
}

void frmFindFile::txtLookupPath_Change() {
  ErrorTrap trap(errors_, "txtLookupPath_Change ", kForm);
  trap.Run([&] {
    trap.At(10);
    CheckEnable();
  });
}

void frmFindFile::cmdSelLookup_Click() {
  ErrorTrap trap(errors_, "cmdSelLookup_Click ", kForm);
  trap.Run([&] {
    trap.At(10);
    const std::string folder = host_.AppPath();
    trap.At(20);
    const std::string chosen = host_.ShowOpen("ESRI Registry Tool (ESRIRegAsm.exe)|ESRIRegAsm.exe",
                                              folder, "Select ESRIRegAsm.exe:");
    trap.At(30);
    View().SetLookupPathText(chosen);
    trap.At(40);
    View().SetLookupPathSelStart(chosen.size());
    trap.At(50);
    CheckEnable();
  });
}

void frmFindFile::cmdOK_Click() {
  ErrorTrap trap(errors_, "cmdOK_Click ", kForm);
  trap.Run([&] {
    trap.At(10);
    answer_ = View().LookupPathText();
    trap.At(20);
    View().Unload();
  });
}

void frmFindFile::cmdCancel_Click() {
  ErrorTrap trap(errors_, "cmdCancel_Click ", kForm);
  trap.Run([&] {
    trap.At(10);
    answer_ = kCancelAnswer;
    trap.At(20);
    View().Unload();
  });
}

}  // namespace tarvic
