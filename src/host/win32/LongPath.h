#pragma once

#include <string>

namespace tarvic::win32 {

// The form of `path` to hand to file functions: absolute paths too long for the classic limit
// get the \\?\ (or \\?\UNC\) prefix, after the path has been made canonical, because the prefix
// turns off the system's own clean-up of "." , ".." and slashes. Shorter or relative paths pass
// unchanged. The prefix never leaves the host: names handed back are bare names.
std::wstring ForFileApi(const std::wstring& path);

// The path made absolute against the current folder as it is now, "." and ".." resolved; the
// path itself when the system cannot do that.
std::wstring FullPath(const std::wstring& path);

// The path without a \\?\ or \\?\UNC\ prefix, as users write it.
std::wstring WithoutDevicePrefix(const std::wstring& path);

// An existing path with each 8.3 name in it replaced by its long name, which is how a program
// started by its short name sees its own folder; the path itself when the system gives none.
std::wstring LongPathOf(const std::wstring& path);

}  // namespace tarvic::win32
