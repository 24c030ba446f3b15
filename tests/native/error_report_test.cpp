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
  const std::string box = "Problem Making Batch Files:|48|", at = "Form_Load Error in frmBatch ";
  EXPECT_EQ(host.boxes,
            std::vector({box + Report(at, "-5\r\nDescription: ", false),
                         box + Report(at + "Line : 230", "-5\r\nDescription: ", false)}));
  EXPECT_EQ(box + host.clipboard, host.boxes[1]);
}

}  // namespace
}  // namespace tarvic::test
