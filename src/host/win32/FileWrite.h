#pragma once

#include <windows.h>

#include <string>

#include "host/win32/Scoped.h"

namespace tarvic::win32 {

// Writes every byte; a write cut short without an error of its own means the disk is full, and
// leaves ERROR_HANDLE_DISK_FULL as the last error.
bool WriteAll(HANDLE handle, const void* data, DWORD size);

// Writes every byte, then closes the file and checks the close too. Throws HostFailure naming
// `path`.
void WriteAllAndClose(ScopedFile& file, const std::string& bytes, const std::string& path);

// Creates or replaces the file with exactly these bytes; a relative path is taken from the
// current folder. With `append`, adds them at the end of an existing file. Throws HostFailure.
void WriteBytesToFile(const std::string& path, const std::string& bytes, bool append = false);

}  // namespace tarvic::win32
