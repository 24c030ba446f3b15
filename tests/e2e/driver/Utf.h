#pragma once

#include <string>
#include <string_view>

// UTF-8 inside the driver; UTF-16 only at the Win32 calls.
std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);
// The bytes a text takes in a Windows code page (CP_OEMCP, CP_ACP, ...).
std::string InCodePage(std::string_view utf8, unsigned codePage);
