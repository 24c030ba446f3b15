#include <cmath>

#include "RunFixture.h"
#include "ui/Placement.h"
#include "ui/ShowCommand.h"

namespace tarvic::test {
namespace {

TEST(ShowCommand, MinimisedStartsStayAndEveryOtherShowsTheWindowAsDesigned) {
  // SW_HIDE, SW_SHOWNORMAL ... SW_FORCEMINIMIZE, and values no starter should give.
  const int mapped[] = {1, 1, 2, 1, 1, 1, 6, 7, 1, 1, 1, 1, 1};
  for (int starter = 0; starter <= 12; ++starter) {
    EXPECT_EQ(show::MappedShowCommand(starter), mapped[starter]) << starter;
    EXPECT_EQ(show::TakesForeground(mapped[starter]), starter != 7) << starter;
  }
  EXPECT_EQ(show::MappedShowCommand(-1), 1);
  // After the first show: what the system may have made of it, and whether to show again.
  for (const auto& [command, visible, iconic, zoomed, again] :
       std::vector<std::tuple<int, bool, bool, bool, bool>>{{1, true, false, false, false},
                                                            {1, false, false, false, true},
                                                            {1, true, false, true, true},
                                                            {1, true, true, false, true},
                                                            {7, true, true, false, false},
                                                            {2, true, false, false, true}}) {
    EXPECT_EQ(!show::ShowsAs(command, {visible, iconic, zoomed}), again) << command << visible;
  }
}

// Before the usage box, and before the main window opens and the locate dialog asks; a quiet
// run takes nothing, as it shows nothing.
TEST_F(RunTest, TheStartersShowCommandIsTakenBeforeAnyBoxOrDialog) {
  int taken = 0;
  desktop.takingShowCommand = [&] {
    ++taken;
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(desktop.form, nullptr);
  };
  Start({"/?"}, false);
  EXPECT_EQ(host.boxes.size(), 1u);
  host = MemoryHost();  // no tool: the dialog asks, and giving up shows a box
  Start({});
  EXPECT_EQ(host.boxes.size(), 1u);
  desktop.form = nullptr;
  Start({"/quiet"});
  EXPECT_EQ(taken, 2);
}

// Windows ends the session while the dialog asks, with a report held back for the log; while
// the second call of a registration runs; and once the run has finished.
TEST_F(RunTest, SignOutWritesTheLogOnceUnlessTheRunHadFinished) {
  const std::string ended =
      "\r\nThe run was ended by Windows (sign-out, shutdown or restart) before it finished.\r\n";
  const auto endTwice = [&] { desktop.sessionEnded(), desktop.sessionEnded(); };
  host = MemoryHost();
  host.openFails = true;
  desktop.inDialog = [&](frmFindFile& dialog) { dialog.cmdSelLookup_Click(), endTwice(); };
  Start({"/log:run.log"});
  EXPECT_EQ(host.Contents("C:\\Start\\run.log"),
            kBom +
                Report("cmdSelLookup_Click Error in frmFindFile Line : 20",
                       "-2147221164\r\nDescription: Class not registered", false) +
                kNl + ended);

  host = MemoryHost();
  host.AddFile(kFirstCandidate);
  AddRow(1), AddRow(2), AddRow(3);
  host.whileProgramRuns = [&] {
    if (host.programCalls.size() == 2) endTwice();
  };
  Start({"/register", "/log:run.log"});
  EXPECT_TRUE(host.Contents("C:\\Start\\run.log")
                  .ends_with(kHead +
                             "  --> Parcel Numbering Tools: registered\r\n"
                             "  --> Survey Point Import: FAILED (ended by sign-out or "
                             "shutdown)\r\n" +
                             ended));

  host.whileProgramRuns = {};
  desktop.window.whileShown = [&] { desktop.sessionEnded(); };
  Start({"/register", "/log:run.log"});
  EXPECT_TRUE(host.Contents("C:\\Start\\run.log").ends_with("3 of 3 registered.\r\n"));
}

// Monitors side by side in pixels. The window takes the DPI of the monitor its centre is on,
// and its designed size there, as WM_DPICHANGED gives it; the screen is the primary, the first.
struct Monitors : FormView {
  struct Monitor {
    int left, right, dpi;
  };
  std::vector<Monitor> monitors;
  int dpi, left, top = 100, width96 = 600, height96 = 400;

  Monitors(std::vector<Monitor> all, int startDpi, int startLeft)
      : monitors(std::move(all)), dpi(startDpi), left(startLeft) {}
  double Twips(double pixels) const { return pixels * 1440 / dpi; }
  int Pixels(double twips) const { return static_cast<int>(std::lround(twips * dpi / 1440)); }
  void SetTopmost() override {}
  double ScreenWidth() override { return Twips(monitors[0].right - monitors[0].left); }
  double ScreenHeight() override { return Twips(1080); }
  double Width() override { return Twips(width96 * dpi / 96); }
  double Height() override { return Twips(height96 * dpi / 96); }
  double ScaleHeight() override { return Height() - Twips(30); }
  void Move(double x, double y) override {
    left = Pixels(x), top = Pixels(y);
    const int centre = left + width96 * dpi / 96 / 2;
    for (const Monitor& m : monitors)
      if (centre >= m.left && centre < m.right) dpi = m.dpi;
  }
  int DotsPerInch() override { return dpi; }
  void SetHeight(double) override {}
  void Unload() override {}
};

TEST(Placement, CentresWithTheDpiOfTheMonitorTheWindowLandsOn) {
  MemoryHost host;
  ScreenChannels screen{host};
  ErrorTrap trap(screen.errors, "", "");
  for (const auto& [monitors, dpi, left, centredLeft, centredTop] :
       std::vector<std::tuple<std::vector<Monitors::Monitor>, int, int, int, int>>{
           {{{0, 1920, 96}, {1920, 3840, 144}}, 144, 2000, 660, 340},
           {{{0, 1920, 96}, {-1920, 0, 144}}, 96, 100, 660, 340},
           {{{0, 1920, 144}, {1920, 3840, 96}}, 96, 2000, 510, 240}}) {
    Monitors view(monitors, dpi, left);
    PlaceForm(view, 0, trap, 0);
    EXPECT_NEAR(view.left, centredLeft, 1) << dpi;
    EXPECT_NEAR(view.top, centredTop, 1) << dpi;
  }
}

}  // namespace
}  // namespace tarvic::test
