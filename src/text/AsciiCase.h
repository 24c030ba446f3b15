#pragma once

#include <string_view>

namespace tarvic {

// Letter case is ignored for ASCII letters only: every name compared this way is ASCII.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
bool EndsWithIgnoreCase(std::string_view text, std::string_view suffix);

}  // namespace tarvic
