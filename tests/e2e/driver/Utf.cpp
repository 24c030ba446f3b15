#include "Utf.h"

#include <windows.h>

std::wstring Wide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), size);
  return out;
}

namespace {
std::string Narrow(std::wstring_view wide, unsigned codePage) {
  if (wide.empty()) return {};
  const int size = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), out.data(), size,
                      nullptr, nullptr);
  return out;
}
}  // namespace

std::string Utf8(std::wstring_view wide) {
  return Narrow(wide, CP_UTF8);
}

std::string InCodePage(std::string_view utf8, unsigned codePage) {
  return Narrow(Wide(utf8), codePage);
}
