#include "host/win32/BatchLineEncoding.h"

#include <windows.h>

#include "host/HostFailure.h"
#include "host/win32/LongPath.h"
#include "host/win32/Utf16.h"

namespace tarvic::win32 {

namespace {

std::wstring ReplaceAll(std::wstring text, std::wstring_view from, std::wstring_view to) {
  for (std::size_t at = text.find(from); at != std::wstring::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// Batch lines double every % of a path; the file system knows the path with single ones.
std::optional<std::wstring> ShortFormOfQuoted(const std::wstring& quoted) {
  const auto shortPath = ShortPathOf(ReplaceAll(quoted, L"%%", L"%"));
  if (!shortPath) return std::nullopt;
  return ReplaceAll(*shortPath, L"%", L"%%");
}

HostFailure CannotWrite(const std::wstring& path) {
  return HostFailure(ERROR_NO_UNICODE_TRANSLATION,
                     "The path \"" + Narrow(ReplaceAll(path, L"%%", L"%")) +
                         "\" cannot be written in a batch file: it holds characters that the "
                         "console code page (" +
                         std::to_string(GetOEMCP()) +
                         ") cannot show, and it has no short (8.3) name without them.");
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

std::string EncodeBatchLine(const std::wstring& line) {
  if (auto bytes = ToOemExactly(line)) return *bytes;

  std::wstring rewritten;
  std::size_t pos = 0;
  while (pos < line.size()) {
    const std::size_t open = line.find(L'"', pos);
    const std::size_t close = open == std::wstring::npos ? open : line.find(L'"', open + 1);
    if (close == std::wstring::npos) {
      rewritten += line.substr(pos);
      break;
    }
    rewritten += line.substr(pos, open + 1 - pos);
    std::wstring quoted = line.substr(open + 1, close - open - 1);
    if (!ToOemExactly(quoted)) {
      const auto shortForm = ShortFormOfQuoted(quoted);
      if (!shortForm || !ToOemExactly(*shortForm)) throw CannotWrite(quoted);
      quoted = *shortForm;
    }
    rewritten += quoted + L'"';
    pos = close + 1;
  }
  if (auto bytes = ToOemExactly(rewritten)) return *bytes;
  throw CannotWrite(line);
}

}  // namespace tarvic::win32
