#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tarvic {

// Windows XP to 7 copy each console write through a 64 KB heap that the console shares with
// other requests: a long text in one call fails and prints nothing. Pieces of this many UTF-16
// units always fit.
inline constexpr std::size_t kConsolePieceUnits = 8000;

// Hands UTF-16 `text` to `write` (a call taking a std::basic_string_view<Char>, true when
// written) in pieces of at most kConsolePieceUnits, never between the two halves of a surrogate
// pair. Stops at the first piece refused: what followed would print with a gap.
template <typename Char, typename Write>
void WriteInConsolePieces(std::basic_string_view<Char> text, Write&& write) {
  while (!text.empty()) {
    std::size_t size = std::min(text.size(), kConsolePieceUnits);
    const auto last = static_cast<std::uint32_t>(text[size - 1]);
    if (size < text.size() && last >= 0xD800 && last <= 0xDBFF) --size;
    if (!write(text.substr(0, size))) return;
    text.remove_prefix(size);
  }
}

}  // namespace tarvic
