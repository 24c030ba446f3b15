#include "ui/Placement.h"

#include <cmath>

#include "ui/Layout.h"

namespace tarvic {

double RoundHalfEven(double value) {
  const double floor = std::floor(value);
  const double diff = value - floor;
  if (diff > 0.5) return floor + 1;
  if (diff < 0.5) return floor;
  return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1;
}

namespace {

void Centre(FormView& view, ErrorTrap& trap, std::int32_t firstLine) {
  trap.At(firstLine + 10);
  const double left = view.ScreenWidth() / 2 - view.Width() / 2;
  trap.At(firstLine + 20);
  const double top = view.ScreenHeight() / 2 - view.Height() / 2;
  view.Move(left, top);
}

}  // namespace

void PlaceForm(FormView& view, int lowestButtonBottom, ErrorTrap& trap, std::int32_t firstLine) {
  trap.At(firstLine);
  view.SetTopmost();
  const int dpiBefore = view.DotsPerInch();
  Centre(view, trap, firstLine);
  // Landed on a monitor of another DPI, the window took that monitor's size: measured again
  // there, it is centred once more.
  if (view.DotsPerInch() != dpiBefore) Centre(view, trap, firstLine);
  trap.At(firstLine + 30);
  const double frameHeight = RoundHalfEven(view.Height() - view.ScaleHeight());
  trap.At(firstLine + 40);
  view.SetHeight(lowestButtonBottom + frameHeight + layout::kBottomMargin);
}

}  // namespace tarvic
