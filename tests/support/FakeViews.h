#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>

#include "ui/FormView.h"
#include "ui/WindowFactory.h"
#include "ui/frmBatch.h"
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

// While shown, the window does what the test scripts, as a user would, then it is closed.
struct FakeMainWindowView : FakeForm<ShownMainWindow> {
  FakeMainWindowView() : FakeForm(8535, 4500, 390) {}
  std::string reportText = "Text1";
  std::function<void()> whileShown = [] {};
  std::string ReportText() override { return reportText; }
  void SetReportText(const std::string& text) override { reportText = text; }
  void Show() override {}
  void RunUntilClosed() override { whileShown(); }
  void AppendReportText(const std::string& text) override { reportText += text; }
  bool IsOpen() override { return !closed; }
};

// The form loads on this window; setting the path text fires its change event, as on Windows.
struct FakeFindFileView : FakeForm<FindFileView> {
  FakeFindFileView(frmFindFile& f, double frame) : FakeForm(6810, 3105, frame), form(f) {
    form.Attach(this);
    form.Form_Load();
  }
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

// The windows of a run at a screen. The locate dialog is the real form on a fake window: it
// loads, does what `inDialog` scripts, then takes the next answer with OK, or Cancel when none.
struct FakeWindowFactory : WindowFactory {
  FakeMainWindowView window;
  frmBatch* form = nullptr;  // the run's, once its window is open
  std::deque<std::string> locateAnswers;
  std::function<void(frmFindFile&)> inDialog;
  std::function<void()> takingShowCommand = [] {}, sessionEnded;
  bool showCommandTaken = false;  // by each windowed run, before its first window

  void TakeStarterShowCommand() override { showCommandTaken = true, takingShowCommand(); }
  void WhenSessionEnds(std::function<void()> ended) override { sessionEnded = std::move(ended); }

  bool openFails = false;  // as when the desktop heap is exhausted

  ShownMainWindow& OpenMainWindow(frmBatch& f) override {
    EXPECT_TRUE(std::exchange(showCommandTaken, false));
    if (openFails) throw HostFailure(1158, "Can't create a window: no more handles");
    form = &f;
    return window;
  }
  std::string AskToolLocation(Host& host, ErrorSink& errors) override {
    frmFindFile form(host, errors);
    FakeFindFileView view(form, 390);
    if (inDialog) inDialog(form);
    if (locateAnswers.empty()) return form.cmdCancel_Click(), form.Answer();
    view.path = locateAnswers.front();
    locateAnswers.pop_front();
    form.cmdOK_Click();
    return form.Answer();
  }
};

}  // namespace tarvic::test
