#pragma once

// Designed window layouts in twips (1440 per inch), relative to each window's inner area.
namespace tarvic::layout {

struct TwipRect {
  int left, top, width, height;
  int Bottom() const { return top + height; }
};

// 15 twips are one pixel at 96 dots per inch.
inline constexpr int kTwipsPerInch = 1440;
// The inner area ends this far below the lowest buttons once the height is trimmed.
inline constexpr int kBottomMargin = 15;

namespace batch {
inline constexpr int kInnerWidth = 8535;
inline constexpr int kInnerHeight = 4500;
inline constexpr TwipRect txtReport{0, 0, 8520, 4050};
inline constexpr TwipRect cmdClose{7050, 4095, 1455, 375};
inline constexpr TwipRect cmdCopy{45, 4095, 1665, 375};
}  // namespace batch

namespace findfile {
inline constexpr int kInnerWidth = 6810;
inline constexpr int kInnerHeight = 3105;
inline constexpr TwipRect txtInstructions{0, 15, 6780, 2190};
inline constexpr TwipRect txtLookupPath{60, 2265, 6150, 360};
inline constexpr TwipRect cmdSelLookup{6300, 2250, 465, 390};
inline constexpr TwipRect cmdCancel{2618, 2685, 870, 375};
inline constexpr TwipRect cmdOK{3548, 2685, 645, 375};
}  // namespace findfile

}  // namespace tarvic::layout
