#pragma once

#include <string>
#include <vector>

#include "host/Host.h"

namespace tarvic {

// Passes every service through to the real host and keeps each error report for the log.
// When quiet, nothing is shown and nobody is asked: no box, no dialog, no clipboard. The
// locate dialog then answers "Cancel", so a missing tool ends the run as giving up does.
class LoggingHost : public Host {
 public:
  LoggingHost(Host& inner, bool quiet) : inner_(inner), quiet_(quiet) {}

  const std::vector<std::string>& ErrorReports() const { return errorReports_; }

  int MsgBox(const std::string& prompt, int style, const std::string& title) override;
  void ClipboardSetText(const std::string& text) override;
  std::string ShowOpen(const std::string& filter, const std::string& initialFolder,
                       const std::string& title) override;
  std::string ShowLocateDialog() override;

  std::string AppPath() override { return inner_.AppPath(); }
  AppVersion Version() override { return inner_.Version(); }
  std::string Dir(const std::string& pattern) override { return inner_.Dir(pattern); }
  std::string DirNext() override { return inner_.DirNext(); }
  bool FileExists(const std::string& path) override { return inner_.FileExists(path); }
  std::string Environ(const std::string& name) override { return inner_.Environ(name); }
  std::string CmdPathForm(const std::string& path) override { return inner_.CmdPathForm(path); }
  void WriteLineFile(const std::string& path, const std::string& line) override {
    inner_.WriteLineFile(path, line);
  }
  std::vector<std::string> Arguments() override { return inner_.Arguments(); }
  void WriteBytesFile(const std::string& path, const std::string& bytes) override {
    inner_.WriteBytesFile(path, bytes);
  }
  bool PrintToConsole(const std::string& text) override { return inner_.PrintToConsole(text); }
  ProgramResult RunProgram(const std::string& program, const std::string& commandLine,
                           const std::string& folder, std::uint32_t timeoutMs) override {
    return inner_.RunProgram(program, commandLine, folder, timeoutMs);
  }
  bool IsAdministrator() override { return inner_.IsAdministrator(); }

 private:
  Host& inner_;
  bool quiet_;
  std::vector<std::string> errorReports_;
};

}  // namespace tarvic
