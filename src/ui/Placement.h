#pragma once

#include <cstdint>

#include "errors/ErrorTrap.h"
#include "ui/FormView.h"

namespace tarvic {

// Makes the window topmost, centres it on the screen at its designed height, then trims the
// height so the inner area ends 15 twips below `lowestButtonBottom` (twips). Marks the trap's
// line from `firstLine` on.
void PlaceForm(FormView& view, int lowestButtonBottom, ErrorTrap& trap, std::int32_t firstLine);

// Round half to even, as the frame height is rounded.
double RoundHalfEven(double value);

}  // namespace tarvic
