#include <doctest.h>

#include "Kit.h"

TEST_CASE("an unwritable program folder: one error report per entry and nothing changed") {
  KitFolder kit("unwritable", {"ParcelNum", "FenceAudit"});
  const auto before = FilesIn(kit.path, "*");
  REQUIRE_MESSAGE(AskHost("lock unwritable"), "the test script could not lock the folder");
  EmptyTheClipboard();
  App app(kit.Exe());
  TypeToolPath(app, kStandinExe);
  for (int entry = 1; entry <= 2; ++entry) {
    HWND box = Shown(app, kDialogClass);
    // An error report also waits on the clipboard for the user to paste.
    CHECK(ClipboardText(3000) == ItemText(box, 0xFFFF));  // 0xFFFF: the text of a box
    EmptyTheClipboard();
    Press(box, IDOK);
  }
  HWND main = Shown(app, TARVIC_BATCH_CLASS);
  CHECK(FilesIn(kit.path, "*") == before);
  CloseExpectingExit0(app, main);
}
