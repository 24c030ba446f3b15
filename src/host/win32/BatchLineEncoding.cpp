#include "host/win32/BatchLineEncoding.h"

#include <windows.h>

#include "host/HostFailure.h"
#include "host/win32/LongPath.h"
#include "host/win32/Utf16.h"

namespace tarvic::win32 {

namespace {

HostFailure CannotWrite(const std::wstring& text, const std::string& what,
                        const std::string& reason) {
  return HostFailure(ERROR_NO_UNICODE_TRANSLATION,
                     "The " + what + " \"" + Narrow(text) +
                         "\" cannot be written in a batch file: it holds characters that the "
                         "console code page (" +
                         std::to_string(GetOEMCP()) + ") cannot show" + reason + ".");
}

}  // namespace

std::optional<std::string> ToOemExactly(std::wstring_view text) {
  if (text.empty()) return std::string();
  const int size = static_cast<int>(text.size());
  BOOL usedDefault = FALSE;
  DWORD flags = WC_NO_BEST_FIT_CHARS;
  BOOL* usedDefaultOut = &usedDefault;
  int length =
      WideCharToMultiByte(CP_OEMCP, flags, text.data(), size, nullptr, 0, nullptr, usedDefaultOut);
  const DWORD error = length == 0 ? GetLastError() : ERROR_SUCCESS;
  if (error == ERROR_INVALID_FLAGS || error == ERROR_INVALID_PARAMETER) {
    // UTF-8 and a few other OEM code pages take neither the flag nor the default-char report;
    // the round trip below still proves the bytes exact.
    flags = 0;
    usedDefaultOut = nullptr;
    length = WideCharToMultiByte(CP_OEMCP, flags, text.data(), size, nullptr, 0, nullptr,
                                 usedDefaultOut);
  }
  if (length == 0) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_OEMCP, flags, text.data(), size, bytes.data(), length, nullptr,
                      usedDefaultOut);
  if (usedDefault) return std::nullopt;

  const int back = MultiByteToWideChar(CP_OEMCP, 0, bytes.data(), length, nullptr, 0);
  std::wstring roundTrip(static_cast<std::size_t>(back), L'\0');
  MultiByteToWideChar(CP_OEMCP, 0, bytes.data(), length, roundTrip.data(), back);
  if (roundTrip != text) return std::nullopt;
  return bytes;
}

std::optional<std::wstring> ShortPathOf(const std::wstring& path) {
  const std::wstring apiPath = ForFileApi(path);
  const DWORD needed = GetShortPathNameW(apiPath.c_str(), nullptr, 0);
  if (needed == 0) return std::nullopt;
  std::wstring shortPath(needed, L'\0');
  const DWORD length = GetShortPathNameW(apiPath.c_str(), shortPath.data(), needed);
  if (length == 0 || length >= needed) return std::nullopt;
  shortPath.resize(length);
  return WithoutDevicePrefix(shortPath);
}

std::wstring CmdFormOf(const std::wstring& path) {
  if (ToOemExactly(path)) return path;
  const auto shortPath = ShortPathOf(path);
  if (shortPath && ToOemExactly(*shortPath)) return *shortPath;
  throw CannotWrite(path, "path", ", and it has no short (8.3) name without them");
}

std::string OemBytesOf(const std::wstring& line) {
  if (auto bytes = ToOemExactly(line)) return *bytes;
  throw CannotWrite(line, "line", "");
}

}  // namespace tarvic::win32
