#pragma once

#include <string>

#include "ui/FormView.h"
#include "ui/frmFindFile.h"

namespace tarvic::test {

// A window in twips on a 1920 x 1080 screen. The frame is what border and caption add.
template <class View>
struct FakeForm : View {
  double width, height, frameHeight, left = 0, top = 0;
  bool topmost = false, closed = false;

  FakeForm(double innerWidth, double innerHeight, double frame)
      : width(innerWidth + 90), height(innerHeight + frame), frameHeight(frame) {}
  void SetTopmost() override { topmost = true; }
  double ScreenWidth() override { return 28800; }
  double ScreenHeight() override { return 16200; }
  double Width() override { return width; }
  double Height() override { return height; }
  double ScaleHeight() override { return height - frameHeight; }
  void Move(double x, double y) override { left = x, top = y; }
  void SetHeight(double h) override { height = h; }
  void Unload() override { closed = true; }
};

struct FakeMainWindowView : FakeForm<MainWindowView> {
  FakeMainWindowView() : FakeForm(8535, 4500, 390) {}
  std::string reportText = "Text1";
  std::string ReportText() override { return reportText; }
  void SetReportText(const std::string& text) override { reportText = text; }
};

// Setting the path text fires the form's change event, as the platform does.
struct FakeFindFileView : FakeForm<FindFileView> {
  FakeFindFileView(frmFindFile& f, double frame) : FakeForm(6810, 3105, frame), form(f) {}
  frmFindFile& form;
  std::string instructions, path = "txtLookupPath";
  bool okEnabled = true;
  std::size_t caret = 0;

  void SetInstructionsText(const std::string& text) override { instructions = text; }
  std::string LookupPathText() override { return path; }
  void SetLookupPathText(const std::string& text) override {
    path = text;
    form.txtLookupPath_Change();
  }
  void SetLookupPathSelStart(std::size_t offset) override { caret = offset; }
  void SetOkEnabled(bool enabled) override { okEnabled = enabled; }
};

}  // namespace tarvic::test
