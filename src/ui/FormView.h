#pragma once

#include <cstddef>
#include <string>

namespace tarvic {

// The window operations a form's logic uses; measures are in twips. The Win32 windows implement
// it, and so do the tests' stand-ins.
class FormView {
 public:
  virtual ~FormView() = default;

  virtual void SetTopmost() = 0;
  virtual double ScreenWidth() = 0;
  virtual double ScreenHeight() = 0;
  virtual double Width() = 0;
  virtual double Height() = 0;
  virtual double ScaleHeight() = 0;  // height of the inner area
  virtual void Move(double left, double top) = 0;
  // Of the monitor the window is on, which a move may change; a view on no monitor keeps 0.
  virtual int DotsPerInch() { return 0; }
  virtual void SetHeight(double height) = 0;
  // Closes the window; the form's unload handler runs as it closes.
  virtual void Unload() = 0;
};

class MainWindowView : public FormView {
 public:
  virtual std::string ReportText() = 0;
  virtual void SetReportText(const std::string& text) = 0;
};

class FindFileView : public FormView {
 public:
  virtual void SetInstructionsText(const std::string& text) = 0;
  virtual std::string LookupPathText() = 0;
  // Setting the text fires the path box's change event, as typing does.
  virtual void SetLookupPathText(const std::string& text) = 0;
  // Caret position as a byte offset into the UTF-8 text; the view maps it to characters.
  virtual void SetLookupPathSelStart(std::size_t utf8Offset) = 0;
  virtual void SetOkEnabled(bool enabled) = 0;
};

}  // namespace tarvic
