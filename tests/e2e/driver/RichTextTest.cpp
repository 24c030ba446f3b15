#include <doctest.h>

#include "Expected.h"
#include "Kit.h"

TEST_CASE("rich-text control: the alert names the system folder searched") {
  using Control = FakeWindows::Control;
  using Syswow64 = FakeWindows::Syswow64;
  struct Case {
    const char* name;
    Control control;
    Syswow64 syswow64;
    bool trailingBackslash;
    const char* searched;  // empty: no alert expected
  };
  const Case cases[] = {
      {"missing, syswow64 in use", Control::Missing, Syswow64::WithFiles, false, "syswow64"},
      {"missing, no syswow64", Control::Missing, Syswow64::Absent, true, "system32"},
      // A syswow64 folder without files counts as absent, so system32 is searched.
      {"in system32, syswow64 empty", Control::InSystem32, Syswow64::Empty, false, ""},
  };
  ToolPlaces tools;
  const std::string tool = FixedToolPaths()[0];
  tools.Place(tool);
  for (const Case& c : cases) {
    CAPTURE(c.name);
    const FakeWindows windows("windows-richtext", c.control, c.syswow64);
    KitFolder kit("richtext");
    kit.AddRow(15);
    App app(kit.Exe(), windows.winDir + (c.trailingBackslash ? "\\" : ""));
    HWND main = MainWindowWithoutPrompts(app);
    const std::string alert =
        *c.searched ? RichTextAlert(windows.winDir + "\\" + c.searched + "\\") : "";
    CHECK(ReportOf(main) == SuccessReport(tool, kit.Path(), {15}, FoundIn(kit.Path()), alert));
    CloseExpectingExit0(app, main);
  }
}
