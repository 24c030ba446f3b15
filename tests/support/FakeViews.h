#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "ui/FormView.h"

namespace tarvic::test {

// Window measures in twips. The frame is what the border and caption add to the inner area.
struct Geometry {
  double screenWidth = 28800;  // 1920 x 1080 pixels
  double screenHeight = 16200;
  double width = 0;
  double height = 0;
  double frameHeight = 0;
  double left = 0;
  double top = 0;
  bool topmost = false;
  bool closed = false;
  double InnerHeight() const { return height - frameHeight; }
};

// The window part of a fake view. Unload closes the window and then runs the form's unload
// handler, as the platform does.
template <class View>
class FakeForm : public View {
 public:
  Geometry geometry;
  std::function<void()> onUnload;

  void SetTopmost() override { geometry.topmost = true; }
  double ScreenWidth() override { return geometry.screenWidth; }
  double ScreenHeight() override { return geometry.screenHeight; }
  double Width() override { return geometry.width; }
  double Height() override { return geometry.height; }
  double ScaleHeight() override { return geometry.InnerHeight(); }
  void Move(double left, double top) override {
    geometry.left = left;
    geometry.top = top;
  }
  void SetHeight(double height) override { geometry.height = height; }
  void Unload() override {
    geometry.closed = true;
    if (onUnload) onUnload();
  }

 protected:
  FakeForm(double innerWidth, double innerHeight, double frameWidth, double frameHeight) {
    geometry.width = innerWidth + frameWidth;
    geometry.height = innerHeight + frameHeight;
    geometry.frameHeight = frameHeight;
  }
};

// The main window: a report box that starts with its design text.
class FakeMainWindowView : public FakeForm<MainWindowView> {
 public:
  explicit FakeMainWindowView(double frameHeight = 390) : FakeForm(8535, 4500, 90, frameHeight) {}

  std::string reportText = "Text1";
  std::vector<std::string> reportTextsSet;

  std::string ReportText() override { return reportText; }
  void SetReportText(const std::string& text) override {
    reportText = text;
    reportTextsSet.push_back(text);
  }
};

// What the locate dialog shows at one moment.
struct FindFileViewState {
  std::string instructions = "Text1";
  std::string path = "txtLookupPath";
  bool okEnabled = true;
  std::size_t caret = 0;
  Geometry geometry;
};

// The locate dialog's controls. Setting the path text fires the change handler, as typing does.
class FakeFindFileView : public FakeForm<FindFileView> {
 public:
  explicit FakeFindFileView(double frameHeight = 390) : FakeForm(6810, 3105, 90, frameHeight) {}

  std::string instructions = "Text1";
  std::string path = "txtLookupPath";
  bool okEnabled = true;
  std::size_t caret = 0;
  std::function<void()> onPathChange;

  FindFileViewState State() const { return {instructions, path, okEnabled, caret, geometry}; }

  void SetInstructionsText(const std::string& text) override { instructions = text; }
  std::string LookupPathText() override { return path; }
  void SetLookupPathText(const std::string& text) override {
    path = text;
    if (onPathChange) onPathChange();
  }
  void SetLookupPathSelStart(std::size_t utf8Offset) override { caret = utf8Offset; }
  void SetOkEnabled(bool enabled) override { okEnabled = enabled; }
};

}  // namespace tarvic::test
