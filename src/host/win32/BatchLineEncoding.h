#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvic::win32 {

// `text` in the console's (OEM) code page, or nothing when some character has no exact
// counterpart there (no best-fit look-alikes: a wrong letter would name a different file).
std::optional<std::string> ToOemExactly(std::wstring_view text);

// The form of an existing path that cmd reads back as the same file: the path itself when the
// OEM code page holds it exactly, else its short (8.3) form; otherwise this throws
// HostFailure(ERROR_NO_UNICODE_TRANSLATION, ...) naming the path.
std::wstring CmdFormOf(const std::wstring& path);

// The bytes of a batch-file line in the OEM code page; throws as above when some character has
// no exact counterpart there.
std::string OemBytesOf(const std::wstring& line);

// The short (8.3) form of an existing file or folder, without the \\?\ prefix; nothing when
// the system cannot give one.
std::optional<std::wstring> ShortPathOf(const std::wstring& path);

}  // namespace tarvic::win32
