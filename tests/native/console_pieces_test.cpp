#include <gtest/gtest.h>

#include <string>

#include "host/ConsolePieces.h"

namespace tarvic::test {
namespace {

// A console like that of Windows XP, which refuses any single write above 8,000 characters;
// a piece ending in the first half of a surrogate pair would print as two broken characters.
TEST(ConsolePieces, ALongTextArrivesWholeInPiecesTheConsoleTakes) {
  const std::u16string text =
      std::u16string(7999, u'a') + u"\U0001F600" + std::u16string(16001, u'b');
  std::u16string shown;
  WriteInConsolePieces(std::u16string_view(text), [&](std::u16string_view piece) {
    if (piece.size() > 8000 || (piece.back() >= 0xD800 && piece.back() <= 0xDBFF)) return false;
    shown += piece;
    return true;
  });
  EXPECT_EQ(shown, text);
}

}  // namespace
}  // namespace tarvic::test
