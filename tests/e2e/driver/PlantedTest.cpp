#include <doctest.h>

#include "Kit.h"

// DLLs named like system ones lie beside the program (see KitFolder); one that loads leaves a mark
// and ends the process. The script names the mark expected of a build left open on purpose.
TEST_CASE("planted DLLs: a whole run with browsing loads none") {
  KitFolder kit("planted");
  auto marks = [&] {
    std::string names;
    for (const auto& [name, bytes] : FilesIn(kit.path, "*.loaded")) names += name + " ";
    return names;
  };
  INFO("marks: ", marks());  // told when a window fails to show
  const std::string expected = FromScript("TARVIC_E2E_EXPECT_MARK");
  App app(kit.Exe());
  if (expected.empty()) {
    HWND dialog = Shown(app, TARVIC_FINDFILE_CLASS);
    Click(dialog, IDC_CMDSELLOOKUP);
    Press(Shown(app, kDialogClass), IDCANCEL);  // the file dialog, shown and left
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    Press(Shown(app, kDialogClass), IDOK);
    CloseExpectingExit0(app, Shown(app, TARVIC_BATCH_CLASS));
  } else {
    CHECK(app.WaitExit(20000) == 0xD11);
  }
  CHECK(marks() == (expected.empty() ? "" : expected + " "));
}
