#include <doctest.h>

#include <cmath>
#include <cstdlib>

#include "ControlIds.h"
#include "Expected.h"
#include "Gui.h"
#include "Kit.h"

namespace {

int Dpi() {
  wchar_t value[16] = {};
  GetEnvironmentVariableW(L"TARVIC_E2E_DPI", value, 16);
  return *value ? _wtoi(value) : 96;
}

// Inner sizes scale with the screen's dots per inch; allow one pixel of rounding.
void CheckClientSize(HWND window, int width96, int height96) {
  const double scale = Dpi() / 96.0;
  const SIZE size = ClientSize(window);
  CAPTURE(size.cx);
  CAPTURE(size.cy);
  CHECK(std::fabs(size.cx - width96 * scale) <= 1.0);
  CHECK(std::fabs(size.cy - height96 * scale) <= 1.0);
}

// Both windows stay above others and open centred across the screen (their height is trimmed
// after centring, so only the horizontal centre is exact).
void CheckPlacement(HWND window) {
  CHECK((GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
  RECT frame{};
  GetWindowRect(window, &frame);
  const int screenCentre = GetSystemMetrics(SM_CXSCREEN) / 2;
  CHECK(std::abs((frame.left + frame.right) / 2 - screenCentre) <= 1);
}

}  // namespace

TEST_CASE("window sizes and screenshots") {
  ToolPlaces noTools;
  KitFolder kit("layout");
  kit.AddRow(1);
  App app(kit.Exe(), WindowsWithControl());
  const std::string dpi = std::to_string(Dpi());

  HWND dialog = LocateDialog(app);
  CheckClientSize(dialog, 454, 205);
  CheckPlacement(dialog);
  CHECK(AskHost("shot locate-dialog-" + dpi + "dpi"));
  Click(dialog, IDC_CMDCANCEL);
  Answer(MessageBoxTitled(app, kCancelledTitle), IDOK);

  HWND main = MainWindow(app);
  CheckClientSize(main, 569, 299);
  CheckPlacement(main);
  CHECK((GetWindowLongW(GetDlgItem(main, IDC_TXTREPORT), GWL_STYLE) & ES_READONLY) != 0);
  CHECK(AskHost("shot main-window-" + dpi + "dpi"));
  CloseExpectingExit0(app, main);
}
