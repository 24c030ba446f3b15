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

// One attempt at opening a name for writing; with `nameItself`, a link it already is (a symbolic
// link, a junction) is opened in place of its target. INVALID_HANDLE_VALUE, with the last error
// set, when the system refuses; a caller may try again after a sharing violation.
HANDLE OpenNameForWriting(const std::wstring& fileApiPath, DWORD access, DWORD share,
                          DWORD disposition, bool nameItself);

// Why a file that was already at the name must not be written, as the handle describes it: a
// link, that is a reparse point standing for another name (`reparseTag` a name surrogate: a
// symbolic link, a junction, a mount point) or a file of several hard links, whose writing
// would change another name's file; or, when it is to be replaced, a file that Windows refuses
// to replace (read-only, hidden, system) or a folder. 0 when it may be written.
DWORD RefusalToWrite(const BY_HANDLE_FILE_INFORMATION& info, DWORD reparseTag, bool replacing);

// Opens the file to replace its contents (created when missing, emptied only once it proved
// writable by RefusalToWrite) or else an existing one to add at its end, sharing it as `share`
// says. Throws HostFailure naming `path`; a refusal of RefusalToWrite is never worth another try.
ScopedFile OpenToWrite(const std::string& path, bool replacing, DWORD share);

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
