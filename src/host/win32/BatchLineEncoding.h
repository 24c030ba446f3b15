#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvic::win32 {

// `text` in the console's (OEM) code page, or nothing when some character has no exact
// counterpart there (no best-fit look-alikes: a wrong letter would name a different file).
std::optional<std::string> ToOemExactly(std::wstring_view text);

// The bytes of one batch-file line for cmd, which reads batch files in the OEM code page.
// The line is made of double-quoted paths (with every % doubled) and plain ASCII options. A
// quoted path that cannot be written is replaced by its short (8.3) form when that can be;
// otherwise this throws HostFailure(ERROR_NO_UNICODE_TRANSLATION, ...) naming the path.
std::string EncodeBatchLine(const std::wstring& line);

// The short (8.3) form of an existing file or folder, without the \\?\ prefix; nothing when
// the system cannot give one.
std::optional<std::wstring> ShortPathOf(const std::wstring& path);

}  // namespace tarvic::win32
