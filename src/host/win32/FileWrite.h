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

// How a write waits between its tries: answering this thread's windows, so that a windowed run
// does not freeze meanwhile, or dispatching nothing, where no message may be handled.
enum class WhileWaiting { DispatchMessages, DispatchNothing };

// Creates or replaces the file with exactly these bytes; a relative path is taken from the
// current folder. With `append`, adds them at the end of an existing file. The file is shared
// for reading, writing and deleting: a log viewer may hold it open. One held by a program that
// lets nobody write (or a locked range) is tried again, 10 times 100 ms apart. Throws HostFailure.
void WriteBytesToFile(const std::string& path, const std::string& bytes, bool append,
                      WhileWaiting whileWaiting);

}  // namespace tarvic::win32
