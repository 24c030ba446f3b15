#include "Setup.h"

#include <windows.h>

#include <doctest.h>

#include <chrono>
#include <sstream>
#include <thread>

#include "Expected.h"
#include "Files.h"
#include "Utf.h"

namespace {

std::string FromEnvironment(const wchar_t* name) {
  wchar_t value[4096] = {};
  if (!GetEnvironmentVariableW(name, value, 4096)) return {};
  return Utf8(value);
}

std::string FolderOf(const std::string& path) {
  return path.substr(0, path.find_last_of('\\'));
}

}  // namespace

std::string WindowsPathOf(const std::string& unixPath) {
  if (unixPath.empty() || unixPath[0] != '/') return unixPath;
  std::string path = "Z:" + unixPath;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

std::string AppExe() {
  return WindowsPathOf(FromEnvironment(L"TARVIC_E2E_APP"));
}
std::string StandinExe() {
  return WindowsPathOf(FromEnvironment(L"TARVIC_E2E_STANDIN"));
}
std::string WorkDir() {
  return WindowsPathOf(FromEnvironment(L"TARVIC_E2E_WORK"));
}

const std::vector<std::string>& FixedToolPaths() {
  static const std::vector<std::string> paths = {
      "C:\\Program Files (x86)\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
      "\\\\tsclient\\C\\Program Files (x86)\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
      "C:\\Program Files\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
      "\\\\tsclient\\C\\Program Files\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
      "D:\\Program Files\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
      "D:\\Program Files (x86)\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe",
  };
  return paths;
}

bool AskHost(const std::string& request) {
  const std::string requestPath = WorkDir() + "\\host-request";
  const std::string replyPath = WorkDir() + "\\host-reply";
  DeleteFileW(Wide(replyPath).c_str());
  // Written aside and renamed, so the script never reads half a request.
  WriteBytes(requestPath + ".new", request + "\n");
  MoveFileExW(Wide(requestPath + ".new").c_str(), Wide(requestPath).c_str(),
              MOVEFILE_REPLACE_EXISTING);
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (Exists(requestPath)) {
    if (std::chrono::steady_clock::now() > limit) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  const auto reply = ReadBytes(replyPath);
  return reply && reply->rfind("ok", 0) == 0;
}

HostArrangement::HostArrangement(const std::string& request, const std::string& undo)
    : undo_(undo), done_(AskHost(request)) {}

HostArrangement::~HostArrangement() {
  if (done_) AskHost(undo_);
}

KitFolder::KitFolder(const std::string& relative)
    : relative_(relative), path_(WorkDir() + "\\" + relative + "\\") {
  const std::string folder = path_.substr(0, path_.size() - 1);
  RemoveTree(folder);
  MakeDirs(folder);
  REQUIRE_MESSAGE(CopyFileTo(AppExe(), Exe()), "could not copy " << AppExe() << " to " << Exe());
}

void KitFolder::AddFile(const std::string& name, unsigned long attributes) const {
  WriteBytes(path_ + name, "placeholder for " + name + "\r\n");
  if (attributes != FILE_ATTRIBUTE_NORMAL) SetAttributes(path_ + name, attributes);
}

void KitFolder::AddFolder(const std::string& name, unsigned long attributes) const {
  MakeDirs(path_ + name);
  SetAttributes(path_ + name, attributes);
}

void KitFolder::AddRow(int number) const {
  AddFile(CatalogueRow(number).dll);
  AddFile(CatalogueRow(number).reg);
}

ToolPlaces::ToolPlaces() {
  for (const auto& path : FixedToolPaths()) {
    if (path.rfind("C:", 0) != 0 || !Exists(path)) continue;
    SetAttributes(path, FILE_ATTRIBUTE_NORMAL);
    if (MoveFileExW(Wide(path).c_str(), Wide(path + ".e2e-aside").c_str(),
                    MOVEFILE_REPLACE_EXISTING)) {
      setAside_.push_back(path);
    }
  }
}

ToolPlaces::~ToolPlaces() {
  for (const auto& path : placed_) RemoveTree(path);
  for (auto dir = createdDirs_.rbegin(); dir != createdDirs_.rend(); ++dir) {
    RemoveDirectoryW(Wide(*dir).c_str());
  }
  for (const auto& path : setAside_) {
    MoveFileExW(Wide(path + ".e2e-aside").c_str(), Wide(path).c_str(), MOVEFILE_REPLACE_EXISTING);
  }
}

void ToolPlaces::Place(const std::string& path, unsigned long attributes) {
  for (auto& dir : MakeDirs(FolderOf(path))) createdDirs_.push_back(dir);
  CopyFileTo(StandinExe(), path);
  if (attributes != FILE_ATTRIBUTE_NORMAL) SetAttributes(path, attributes);
  placed_.push_back(path);
  // The stand-in's log beside it goes as well.
  placed_.push_back(FolderOf(path) + "\\ESRIRegAsm.log");
}

FakeWindows::FakeWindows(const std::string& relative, Control control, Syswow64 syswow64)
    : winDir(WorkDir() + "\\" + relative) {
  RemoveTree(winDir);
  MakeDirs(winDir + "\\system32");
  WriteBytes(winDir + "\\system32\\kernel32.dll", "x");
  if (syswow64 != Syswow64::Absent) MakeDirs(winDir + "\\syswow64");
  if (syswow64 == Syswow64::WithFiles) WriteBytes(winDir + "\\syswow64\\kernel32.dll", "x");
  if (control == Control::InSyswow64) WriteBytes(winDir + "\\syswow64\\RICHTX32.OCX", "x");
  if (control == Control::InSystem32) WriteBytes(winDir + "\\system32\\RICHTX32.OCX", "x");
}

std::vector<ToolCall> ToolCalls(const std::string& logPath) {
  std::vector<ToolCall> calls;
  std::istringstream log(ReadBytes(logPath).value_or(""));
  std::string line;
  ToolCall current;
  while (std::getline(log, line)) {
    if (line.rfind("cmdline=", 0) == 0) {
      current = ToolCall{line.substr(8), {}};
    } else if (line.rfind("arg=", 0) == 0) {
      current.args.push_back(line.substr(4));
    } else if (line == "end") {
      calls.push_back(current);
    }
  }
  return calls;
}
