#include "ui/frmBatch.h"

#include "batch/BatchRun.h"
#include "errors/ErrorTrap.h"
#include "host/Host.h"
#include "text/AsciiCase.h"
#include "text/UncPath.h"
#include "ui/Layout.h"
#include "ui/Placement.h"

namespace tarvic {

namespace {
constexpr const char* kForm = "Error in frmBatch";

// Failures that say the server or share itself did not answer, as opposed to a missing file.
bool IsUnreachableShare(std::int32_t number) {
  switch (number) {
    case 51:    // remote computer not available
    case 53:    // network path not found
    case 64:    // network name no longer available
    case 67:    // network name not found
    case 121:   // semaphore time-out
    case 1222:  // no network
    case 1231:  // network location unreachable
    case 1232:  // host unreachable
      return true;
    default:
      return false;
  }
}
}  // namespace

MainWindowView& frmBatch::View() {
  if (view_ == nullptr) {
    throw HostFailure(errnum::kObjectNotSet, "Object variable or With block variable not set");
  }
  return *view_;
}

void frmBatch::Form_Load() {
  ErrorTrap trap(channels_.errors, "Form_Load ", kForm);
  outcome_ = {};
  trap.Run([&] {
    PlaceForm(View(), layout::batch::cmdClose.Bottom(), trap, 100);
    const std::string report = RunBatch(
        host_, channels_, [this](const std::string& path) { return ReturnDirValue(path); }, trap,
        options_, outcome_);
    trap.At(600);
    View().SetReportText(report);
  });
}

void frmBatch::ReportWindowNotCreated(const HostFailure& failure, ErrorSink& errors) {
  ErrorTrap trap(errors, "Form_Load ", kForm);
  trap.At(50);
  ReportError(errors, trap.LocationText(), failure.Number(), failure.Description());
}

void frmBatch::cmdCopy_Click() {
  ErrorTrap trap(channels_.errors, "cmdCopy_Click ", kForm);
  trap.Run([&] {
    trap.At(10);
    const std::string text = View().ReportText();
    trap.At(20);
    host_.ClipboardSetText(text);
  });
}

void frmBatch::cmdClose_Click() {
  ErrorTrap trap(channels_.errors, "cmdClose_Click ", kForm);
  trap.Run([&] {
    trap.At(10);
    View().Unload();
  });
}

std::string frmBatch::ReturnDirValue(const std::string& strESRIPath) {
  // An existence probe only: any failure of the listing means "missing", silently. Outside a
  // remote-desktop session a \\tsclient lookup can wait seconds on the network before it fails;
  // a share that just failed that way is not asked again in the same run.
  const std::string share = strESRIPath.substr(0, UncRootLength(strESRIPath));
  try {
    for (const auto& known : unreachableShares_) {
      if (!share.empty() && EqualsIgnoreCase(known, share)) return "";
    }
    return host_.Dir(strESRIPath);
  } catch (const HostFailure& failure) {
    if (!share.empty() && IsUnreachableShare(failure.Number())) {
      try {
        unreachableShares_.push_back(share);
      } catch (...) {
      }
    }
    return "";
  } catch (...) {
    return "";
  }
}

}  // namespace tarvic
