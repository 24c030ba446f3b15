#include <doctest.h>

#include "Kit.h"

// The batch files are the product: run them through cmd and check what the registration tool
// really receives from folders named with characters that mean something to cmd. A name outside the
// console code page can only be handed over by its 8.3 form.
TEST_CASE("batch files run by cmd hand over the exact arguments") {
  // The tool's path is typed in another letter case than on disk; it is used as typed.
  KitFolder tools("Tool 50% & (Co) caf\xC3\xA9", {});
  WriteBytes(tools.path + "ESRIRegAsm.exe", FileText(kStandinExe));
  const std::string typed = tools.path + "esriregasm.EXE";
  for (const char* name : {"Kit (x86) & R^D 100% caf\xC3\xA9", "Kit \xE2\x98\x83 \xCE\xA9 ^&"}) {
    CAPTURE(name);
    KitFolder kit(name);
    App app(kit.Exe());
    TypeToolPath(app, typed);
    CloseExpectingExit0(app, Shown(app, TARVIC_BATCH_CLASS));
    CHECK(BatchFilesIn(kit.path) == ExpectedBatchFiles(typed, kit));
    CHECK(ToolCallsOfBatchFiles(kit.path, tools.path) == ExpectedToolCalls(typed, kit));
  }
}
