#pragma once

#include <windows.h>

#include <string>

// One start of Tarvic_Kit.exe. Whatever happens in a scenario, the process does not outlive it.
class App {
 public:
  // Starts the program from its folder, with "WinDir" set to the given folder when not empty.
  App(const std::string& exePath, const std::string& winDir);
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  bool Started() const { return process_ != nullptr; }
  DWORD Pid() const { return pid_; }
  // True when the program ended within the time; its exit code is then in code.
  bool WaitExit(int timeoutMs, DWORD& code);

 private:
  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
};

// Runs a command line in a folder and returns its exit code, or -1 when it did not end in time
// (it is then killed).
long RunAndWait(const std::string& commandLine, const std::string& folder, int timeoutMs);
