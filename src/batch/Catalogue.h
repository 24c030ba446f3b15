#pragma once

#include <array>
#include <string>

namespace tarvic {

// One extension of the family: its report title, the two files that make it present, and the
// two batch files written for it. All file names are bare names in the program folder.
struct ExtensionEntry {
  std::string ToolTitle;
  std::string DllName;
  std::string RegName;
  std::string RegisterBat;
  std::string UnregisterBat;
};

inline constexpr std::size_t kCatalogueSize = 22;

const std::array<ExtensionEntry, kCatalogueSize>& ExtensionCatalogue();

}  // namespace tarvic
