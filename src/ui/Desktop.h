#pragma once

#include <string>

#include "errors/ErrorSink.h"
#include "host/Host.h"
#include "ui/FormView.h"
#include "ui/frmBatch.h"

namespace tarvic {

// The main window as the run drives it: created hidden, so that the load handler can place and
// fill it before anyone sees it.
class MainWindowScreen : public MainWindowView {
 public:
  virtual void Show() = 0;
  // Handles the user's input until the window is closed.
  virtual void RunUntilClosed() = 0;
  // Adds to the end of the report box, where the user sees it come.
  virtual void AppendReportText(const std::string& text) = 0;
  // False once the user closed the window.
  virtual bool IsOpen() = 0;
};

// The windows of a run with someone at the screen.
class Desktop {
 public:
  virtual ~Desktop() = default;
  // The main window of the form, which lives as long as the desktop. Throws HostFailure when the
  // system refuses to create it.
  virtual MainWindowScreen& OpenMainWindow(frmBatch& form) = 0;
  // Shows a fresh locate-tool dialog modally; returns what the user gave once it has unloaded:
  // the path box's text, or "Cancel". Its own failures go to `errors`.
  virtual std::string AskToolLocation(Host& host, ErrorSink& errors) = 0;
};

}  // namespace tarvic
