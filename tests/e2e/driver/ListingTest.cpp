#include <doctest.h>

#include <algorithm>

#include "Expected.h"
#include "Kit.h"

namespace {
std::vector<std::string> Sorted(std::vector<std::string> items) {
  std::sort(items.begin(), items.end());
  return items;
}
}  // namespace

TEST_CASE("hidden and system entries are not listed but read-only files are") {
  ToolPlaces tools;
  const std::string tool = FixedToolPaths()[0];
  tools.Place(tool);
  KitFolder kit("listing");
  kit.AddRow(1);
  kit.AddFile("Hidden.dll", FILE_ATTRIBUTE_HIDDEN);
  kit.AddFile("System.reg", FILE_ATTRIBUTE_SYSTEM);
  kit.AddFile("ReadOnly.reg", FILE_ATTRIBUTE_READONLY);
  kit.AddFile("Upper.DLL");
  kit.AddFile("x.dll.bak");
  kit.AddFile("x.regx");
  kit.AddFolder("Folder.dll");
  kit.AddFolder("Secret.reg", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
  // A hidden copy of row 15's library leaves row 15 absent.
  kit.AddFile("FenceAudit.reg");
  kit.AddFile("FenceAudit.dll", FILE_ATTRIBUTE_HIDDEN);

  const Found found = FoundIn(kit.Path());
  REQUIRE(Sorted(found.regs) == Sorted({kit.Path() + "FenceAudit.reg", kit.Path() + "ParcelNum.reg",
                                        kit.Path() + "ReadOnly.reg"}));
  REQUIRE(Sorted(found.dlls) == Sorted({kit.Path() + "ParcelNum.dll", kit.Path() + "Upper.DLL"}));

  App app(kit.Exe(), WindowsWithControl());
  HWND main = MainWindowWithoutPrompts(app);
  CHECK(ReportOf(main) == SuccessReport(tool, kit.Path(), {1}, found));
  CloseExpectingExit0(app, main);
}
