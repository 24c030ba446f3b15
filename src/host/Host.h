#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/AppVersion.h"
#include "host/HostFailure.h"

namespace tarvic {

// Message-box styles and answers in use.
namespace msgbox {
constexpr int kOkCancel = 1;
constexpr int kError = 16;
constexpr int kWarning = 48;
constexpr int kInformation = 64;
constexpr int kAnswerOk = 1;
constexpr int kAnswerCancel = 2;
}  // namespace msgbox

// What became of a program the host started and waited for.
struct ProgramResult {
  // Waiting for it, or asking for its exit code, can fail too; it may then have done anything.
  enum class Ending { Exited, NotStarted, TimedOut, ExitCodeUnknown, WaitFailed };
  Ending ending = Ending::Exited;
  std::uint32_t code = 0;  // the exit code once exited; else the system's error number, if any
  std::string errorText;   // the system's text for that error
};

// Every platform operation the logic uses. Any failing operation throws HostFailure.
// All strings are UTF-8.
class Host {
 public:
  virtual ~Host() = default;

  // Folder of the running program; a trailing backslash only at a drive root.
  virtual std::string AppPath() = 0;
  virtual AppVersion Version() = 0;

  // First normal file (read-only yes; hidden, system and folders no) matching a full file path
  // or pattern, or, for a folder path ending in a backslash, the first normal file in it.
  // Returns the bare name, or "" when nothing matches or the folder does not exist.
  virtual std::string Dir(const std::string& pattern) = 0;
  // Next match of the last Dir pattern; "" after the last.
  virtual std::string DirNext() = 0;
  // Whether a normal file exists at a full path without wildcards: the same answer as a
  // non-empty Dir(path), without a listing (a direct look-up is far cheaper in a large folder).
  virtual bool FileExists(const std::string& path) = 0;

  // Value of an environment variable, "" when unset.
  virtual std::string Environ(const std::string& name) = 0;

  // The form of an existing path that cmd reads back as the same file: the path itself when the
  // console (OEM) code page holds it exactly, else its short (8.3) form. Throws when neither
  // can be written.
  virtual std::string CmdPathForm(const std::string& path) = 0;
  // Creates or empties the file, writes the line (made of cmd path forms and ASCII) in the
  // console code page followed by CR LF, and closes it. A name that is a link (a reparse point,
  // or a file of several hard links) is never written through: that throws.
  virtual void WriteLineFile(const std::string& path, const std::string& line) = 0;

  // Modal; returns the button pressed (msgbox::kAnswerOk, ...).
  virtual int MsgBox(const std::string& prompt, int style, const std::string& title) = 0;

  // Empties the clipboard, then puts exactly this text on it as plain text.
  virtual void ClipboardSetText(const std::string& text) = 0;

  // Standard file-open dialog, modal. Filter as "Description|pattern". Returns the chosen full
  // path, "" when cancelled.
  virtual std::string ShowOpen(const std::string& filter, const std::string& initialFolder,
                               const std::string& title) = 0;

  // The program's arguments after its own name, split and unquoted as the C runtime does.
  virtual std::vector<std::string> Arguments() = 0;
  // The full form of a path, a relative one taken from the current folder as it is now; the path
  // itself when it has none. Never throws.
  virtual std::string FullPathName(const std::string& path) = 0;
  // Creates or replaces the file with exactly these bytes; a relative path is taken from the
  // current folder. Never through a link, as WriteLineFile.
  virtual void WriteBytesFile(const std::string& path, const std::string& bytes) = 0;
  // Adds the bytes at the end of an existing file, never through a link.
  virtual void AppendBytesFile(const std::string& path, const std::string& bytes) = 0;
  // Writes the text to the console of the process that started this one. Returns false, and
  // writes nothing, when there is none (started from Explorer or a service). Never throws.
  virtual bool PrintToConsole(const std::string& text) = 0;

  // Starts `program` with exactly `commandLine` (its own quoted path first) and no console
  // window, in `folder`, and waits for it to end, for at most `timeoutMs`, while this thread's
  // windows go on answering. A program still running then is ended (TimedOut). Returns only once
  // the program and whatever it started have exited; where the system allows, none of them
  // outlives this process either. Never throws.
  virtual ProgramResult RunProgram(const std::string& program, const std::string& commandLine,
                                   const std::string& folder, std::uint32_t timeoutMs) = 0;
  // The long form of an existing path, each 8.3 name in it replaced by the name it stands for;
  // the path itself when the system gives none. Never throws.
  virtual std::string LongPathName(const std::string& path) = 0;

  // Opens `path` as the lock file of this run: made when missing, shared with nobody, and
  // deleted when closed, by ReleaseLockFile or by the system as the process ends, killed
  // included. Returns 0 once held (also when already held), else the system's error number.
  // Never throws.
  virtual std::uint32_t HoldLockFile(const std::string& path) = 0;
  // Closes the lock file, which goes with it; nothing when none is held.
  virtual void ReleaseLockFile() = 0;

  // Whether this process holds an administrator's full token: false for a token that UAC
  // filtered. Never throws.
  virtual bool IsAdministrator() = 0;
  // Windows is ending the session: from now on a file write that must wait for another program
  // dispatches no messages, since the process may be ended once the current one is answered.
  virtual void StopDispatchingWhileWriting() = 0;

  // The owner and DACL of an existing file or folder as SDDL. Throws HostFailure when they
  // cannot be read, or when its volume keeps no permissions (FAT).
  virtual std::string OwnerAndDacl(const std::string& path) = 0;
  // The same of the name itself when it is a link (a junction, a symbolic link, a mount point),
  // which OwnerAndDacl looks through; nothing for any other name.
  virtual std::optional<std::string> LinkOwnerAndDacl(const std::string& path) = 0;
  // The SID this process runs as ("S-1-5-18" as SYSTEM); "" when it cannot be read. Never throws.
  virtual std::string RunningUserSid() = 0;
  // "DOMAIN\name" for a SID or an SDDL alias ("AU"); the SID itself when it names nobody
  // known. Never throws.
  virtual std::string AccountName(const std::string& sid) = 0;
};

}  // namespace tarvic
