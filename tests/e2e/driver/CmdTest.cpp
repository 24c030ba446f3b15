#include <doctest.h>

#include "App.h"
#include "Expected.h"
#include "Files.h"
#include "Gui.h"
#include "Kit.h"

// The batch files are the product: run them through cmd, as the user will, and check what the
// registration tool really receives from paths full of characters that cmd treats specially.
TEST_CASE("batch files run through cmd hand over the exact arguments") {
  ToolPlaces noTools;
  const std::string toolFolder = WorkDir() + "\\cmd\\Tool 50% & (Co)";
  RemoveTree(toolFolder);
  MakeDirs(toolFolder);
  const std::string tool = toolFolder + "\\ESRIRegAsm.exe";
  REQUIRE(CopyFileTo(StandinExe(), tool));
  KitFolder kit("cmd\\Kit (x86) & R^D 100% caf\xC3\xA9");
  kit.AddRow(1);
  kit.AddRow(6);

  App app(kit.Exe(), WindowsWithControl());
  TypeToolPath(app, tool);
  HWND main = MainWindowWithoutPrompts(app);
  CHECK(ReportOf(main) == SuccessReport(tool, kit.Path(), {1, 6}, FoundIn(kit.Path())));
  CloseExpectingExit0(app, main);

  const std::string log = toolFolder + "\\ESRIRegAsm.log";
  for (int number : {1, 6}) {
    const Row& row = CatalogueRow(number);
    CAPTURE(row.title);
    CHECK(FileText(kit.Path() + row.registerBat) ==
          BatchFileBytes(RegisterLine(tool, kit.Path(), row)));
    CHECK(FileText(kit.Path() + row.unregisterBat) ==
          BatchFileBytes(UnregisterLine(tool, kit.Path(), row)));

    RemoveTree(log);
    CHECK(RunAndWait("cmd.exe /c " + row.registerBat, kit.Path(), 20000) == 0);
    CHECK(RunAndWait("cmd.exe /c " + row.unregisterBat, kit.Path(), 20000) == 0);
    const auto calls = ToolCalls(log);
    REQUIRE(calls.size() == 2);
    CHECK(calls[0].args == std::vector<std::string>{tool, "/p:Desktop", kit.Path() + row.dll,
                                                    "/f:" + kit.Path() + row.reg});
    CHECK(calls[1].args ==
          std::vector<std::string>{tool, "/p:Desktop", "/u", kit.Path() + row.dll});
  }
}
