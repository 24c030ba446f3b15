#include "RunFixture.h"
#include "errors/ErrorTrap.h"

namespace tarvic::test {
namespace {

TEST(ErrorTrap, ReportsTheExactMessageOnceWithTheLastLineReached) {
  MemoryHost host;
  ScreenChannels screen(host);
  for (const int line : {0, 230}) {
    ErrorTrap trap(screen.errors, "Form_Load ", "Error in frmBatch");
    trap.Run([&] {
      if (line != 0) trap.At(220), trap.At(line);
      throw HostFailure(-5, "");
    });
  }
  const std::string body =
      "\r\nTarvic_Kit: v. " + kVersionShown +
      "\r\n"
      "Error Number = -5\r\n"
      "Description: \r\n"
      "\r\n"
      "If using Windows Vista or Windows 7, did you right-click and choose 'Run as "
      "Administrator'?\r\n"
      "\r\n"
      "This error message has been copied to your Clipboard.\r\n"
      "Please contact " TARVIC_SUPPORT_NAME " [" TARVIC_SUPPORT_EMAIL
      "] if you have problems with this tool.\r\n"
      "Use [Control]-V to paste this error information into your email.";
  const std::string box = "Problem Making Batch Files:|48|", at = "Form_Load Error in frmBatch ";
  EXPECT_EQ(host.boxes, std::vector({box + at + body, box + at + "Line : 230" + body}));
  EXPECT_EQ(box + host.clipboard, host.boxes[1]);

  host.clipboardFails = true;  // a busy clipboard must not hide the report
  EXPECT_NO_THROW(ReportError(screen.errors, "x", 521, "busy"));
  EXPECT_EQ(host.boxes.size(), 3u);
}

}  // namespace
}  // namespace tarvic::test
