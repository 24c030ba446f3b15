#pragma once

#include <string>
#include <string_view>

namespace tarvic {

inline constexpr std::string_view kCrLf = "\r\n";
// The list-item marker of every report text.
inline constexpr std::string_view kArrow = "  --> ";

// Letter case is ignored for ASCII letters only: every name compared this way is ASCII.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
bool EndsWithIgnoreCase(std::string_view text, std::string_view suffix);

// cmd expands % even inside double quotes; doubling it keeps a path literal in a batch line.
std::string EscapeForBatch(std::string_view path);

}  // namespace tarvic
