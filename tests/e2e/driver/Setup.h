#pragma once

#include <string>
#include <vector>

// Where things are. The test script passes Unix paths; Wine shows the Unix root as Z:.
std::string WindowsPathOf(const std::string& unixPath);
std::string AppExe();      // the Tarvic_Kit.exe under test
std::string StandinExe();  // the stand-in registration tool
std::string WorkDir();     // scratch folder of the tests, no trailing backslash

// The six places the program probes for the registration tool, in its order.
const std::vector<std::string>& FixedToolPaths();

// Asks the test script to do what only the Unix side can (lock a folder, take a screenshot).
// Returns false when the script did not answer "ok" in time.
bool AskHost(const std::string& request);

// A host-side arrangement held for one scenario, e.g. "map-d x" undone by "unmap-d".
class HostArrangement {
 public:
  HostArrangement(const std::string& request, const std::string& undo);
  ~HostArrangement();
  HostArrangement(const HostArrangement&) = delete;
  HostArrangement& operator=(const HostArrangement&) = delete;
  bool Done() const { return done_; }

 private:
  std::string undo_;
  bool done_;
};

// A fresh program folder under the work folder holding a copy of Tarvic_Kit.exe.
class KitFolder {
 public:
  explicit KitFolder(const std::string& relative);
  // Path with its trailing backslash, as the program reports it.
  const std::string& Path() const { return path_; }
  const std::string& Relative() const { return relative_; }
  std::string Exe() const { return path_ + "Tarvic_Kit.exe"; }
  void AddFile(const std::string& name, unsigned long attributes = 0x80) const;
  void AddFolder(const std::string& name, unsigned long attributes = 0x10) const;
  void AddRow(int number) const;  // the row's library and registry script

 private:
  std::string relative_, path_;
};

// Puts the stand-in at fixed tool paths for one scenario. Whatever the prefix held there before
// (for example the sample set up by scripts/run.sh) is put aside and restored afterwards.
class ToolPlaces {
 public:
  ToolPlaces();
  ~ToolPlaces();
  ToolPlaces(const ToolPlaces&) = delete;
  ToolPlaces& operator=(const ToolPlaces&) = delete;
  void Place(const std::string& path, unsigned long attributes = 0x80);

 private:
  std::vector<std::string> placed_, createdDirs_, setAside_;
};

// A stand-in Windows folder for "WinDir", with or without the rich-text control.
struct FakeWindows {
  enum class Control { InSyswow64, InSystem32, Missing };
  enum class Syswow64 { Absent, Empty, WithFiles };
  FakeWindows(const std::string& relative, Control control, Syswow64 syswow64);
  std::string winDir;  // no trailing backslash
};

// Entries of the stand-in's log: one per call, the items CommandLineToArgvW gave it.
struct ToolCall {
  std::string commandLine;
  std::vector<std::string> args;
};
std::vector<ToolCall> ToolCalls(const std::string& logPath);
