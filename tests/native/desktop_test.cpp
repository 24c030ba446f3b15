#include <cmath>

#include "RunFixture.h"
#include "ui/Placement.h"
#include "ui/ShowCommand.h"

namespace tarvic::test {
namespace {

// The starter's SW_HIDE (0) to SW_FORCEMINIMIZE (11) and 12; then whether what the system made of
// the first show calls for another.
TEST(ShowCommand, MinimisedStartsStayEveryOtherShowsAsDesignedAndTheResultIsChecked) {
  const int mapped[] = {1, 1, 2, 1, 1, 1, 6, 7, 1, 1, 1, 1, 1};
  for (int starter = 0; starter <= 12; ++starter) {
    EXPECT_EQ(show::MappedShowCommand(starter), mapped[starter]) << starter;
    EXPECT_EQ(show::TakesForeground(mapped[starter]), starter != 7) << starter;
  }
  // Each mapped command and the one state, as bits visible-iconic-zoomed, that needs no other.
  for (const auto& [command, wanted] : {std::pair{1, 0b100}, {2, 0b110}, {6, 0b110}, {7, 0b110}}) {
    for (int state = 0; state < 8; ++state) {
      EXPECT_EQ(show::ShowsAs(command, {(state & 4) != 0, (state & 2) != 0, (state & 1) != 0}),
                state == wanted)
          << command << " " << state;
    }
  }
}

// While the dialog asks, with a report held back for the log; during the second call of a
// registration; once the run has finished. Every window hears it: twice.
TEST_F(SessionEndRun, SignOutWritesTheLogOnceUnlessTheRunHadFinished) {
  const std::string ended =
      "\r\nThe run was ended by Windows (sign-out, shutdown or restart) before it finished.\r\n";
  const auto signOut = [&] { desktop.sessionEnded(), desktop.sessionEnded(); };
  host = MemoryHost();
  host.openFails = true;
  desktop.inDialog = [&](frmFindFile& dialog) { dialog.cmdSelLookup_Click(), signOut(); };
  Start({"/log:run.log"});
  EXPECT_EQ(host.Contents("C:\\Start\\run.log"),
            kBom +
                Report("cmdSelLookup_Click Error in frmFindFile Line : 20",
                       "-2147221164\r\nDescription: Class not registered", false) +
                kNl + ended);
  EXPECT_FALSE(host.dispatchingWhileWriting);  // the session may end once the message returns

  host = MemoryHost();
  host.AddFile(kFirstCandidate);
  AddRow(1), AddRow(2), AddRow(3);
  host.whileProgramRuns = [&] { host.programCalls.size() == 2 ? signOut() : void(); };
  Start({"/register", "/log:run.log"});
  EXPECT_TRUE(host.Contents("C:\\Start\\run.log")
                  .ends_with(kHead + "  --> Parcel Numbering Tools: registered\r\n" +
                             "  --> Survey Point Import: FAILED (ended by sign-out or shutdown)" +
                             kNl + ended));
  host.whileProgramRuns = {};
  desktop.window.whileShown = signOut;
  Start({"/register", "/log:run.log"});
  EXPECT_TRUE(host.Contents("C:\\Start\\run.log").ends_with("3 of 3 registered.\r\n"));
}

// Two monitors side by side, in pixels, the first the primary. The window, 600 x 400 at 96 DPI,
// takes the DPI of the one its centre is on and its size there, as WM_DPICHANGED gives it.
struct TwoMonitors : FakeForm<FormView> {
  int dpi, x, y = 100, split, leftDpi, rightDpi;
  TwoMonitors(int startX, int split, int leftDpi, int rightDpi)
      : FakeForm(0, 0, 0), x(startX), split(split), leftDpi(leftDpi), rightDpi(rightDpi) {
    dpi = x < split ? leftDpi : rightDpi;
  }
  double Twips(double pixels) const { return pixels * 1440 / dpi; }
  double ScreenWidth() override { return Twips(1920); }
  double ScreenHeight() override { return Twips(1080); }
  double Width() override { return Twips(600.0 * dpi / 96); }
  double Height() override { return Twips(400.0 * dpi / 96); }
  void Move(double left, double top) override {
    x = static_cast<int>(std::lround(left * dpi / 1440)), y = static_cast<int>(top * dpi / 1440);
    dpi = x + 300 * dpi / 96 < split ? leftDpi : rightDpi;
  }
  int DotsPerInch() override { return dpi; }
};

TEST(Placement, CentresWithTheDpiOfTheMonitorTheWindowLandsOn) {
  MemoryHost host;
  ScreenChannels screen{host};
  ErrorTrap trap(screen.errors, "", "");
  // Start, where the primary ends, the DPI left and right of there; where the window must end.
  for (const auto& [x, split, leftDpi, rightDpi, centredX, centredY] :
       std::vector<std::array<int, 6>>{{2000, 1920, 96, 144, 660, 340},
                                       {-1000, 0, 144, 96, 660, 340},
                                       {2000, 1920, 144, 96, 510, 240}}) {
    TwoMonitors view(x, split, leftDpi, rightDpi);
    PlaceForm(view, 0, trap, 0);
    EXPECT_NEAR(view.x, centredX, 1) << x;
    EXPECT_NEAR(view.y, centredY, 1) << x;
  }
}

}  // namespace
}  // namespace tarvic::test
