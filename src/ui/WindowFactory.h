#pragma once

#include <functional>
#include <string>

#include "ui/FormView.h"

namespace tarvic {

class ErrorSink;
class Host;
class frmBatch;

// The main window as the run drives it: created hidden, so that the load handler can place and
// fill it before anyone sees it.
class ShownMainWindow : public MainWindowView {
 public:
  virtual void Show() = 0;
  // Handles the user's input until the window is closed.
  virtual void RunUntilClosed() = 0;
  // Adds to the end of the report box, where the user sees it come.
  virtual void AppendReportText(const std::string& text) = 0;
  // False once the user closed the window.
  virtual bool IsOpen() = 0;
};

// Makes the windows of a run with someone at the screen, as the run asks for them.
class WindowFactory {
 public:
  virtual ~WindowFactory() = default;
  // Called before any box or dialog of the run: the starter's show command would otherwise go
  // to the first of them, and a hidden modal window waits for good.
  virtual void TakeStarterShowCommand() = 0;
  // Windows is ending the session: every window of the run calls `ended` before the message
  // that says so returns, as the process may be ended right after it.
  virtual void WhenSessionEnds(std::function<void()> ended) = 0;
  // The main window of the form, which lives as long as the desktop. Throws HostFailure when the
  // system refuses to create it.
  virtual ShownMainWindow& OpenMainWindow(frmBatch& form) = 0;
  // Shows a fresh locate-tool dialog modally; returns what the user gave once it has unloaded:
  // the path box's text, or "Cancel". Its own failures go to `errors`.
  virtual std::string AskToolLocation(Host& host, ErrorSink& errors) = 0;
};

}  // namespace tarvic
