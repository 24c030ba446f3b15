#pragma once

#include <cstddef>
#include <string_view>

namespace tarvic {

namespace detail {
template <typename Char>
std::size_t UncRootLength(std::basic_string_view<Char> path) {
  const Char kSlash = static_cast<Char>('\\');
  if (path.size() < 3 || path[0] != kSlash || path[1] != kSlash) return 0;
  const std::size_t server = path.find(kSlash, 2);
  if (server == path.npos || server == 2) return 0;
  // \\?\ and \\.\ name devices, not servers.
  if (server == 3 && (path[2] == static_cast<Char>('?') || path[2] == static_cast<Char>('.'))) {
    return 0;
  }
  const std::size_t share = path.find(kSlash, server + 1);
  if (share == server + 1) return 0;
  return share == path.npos ? path.size() : share;
}
}  // namespace detail

// The length of the "\\server\share" root a UNC path starts with (server and share both named),
// 0 for any other path. The program and its users write these roots with backslashes.
inline std::size_t UncRootLength(std::string_view path) {
  return detail::UncRootLength(path);
}
inline std::size_t UncRootLength(std::wstring_view path) {
  return detail::UncRootLength(path);
}

}  // namespace tarvic
