#include <windows.h>

#include <doctest.h>

#include "ErrorReport.h"
#include "Expected.h"
#include "Files.h"
#include "Gui.h"
#include "Kit.h"
#include "Snapshot.h"
#include "Utf.h"

namespace {

// The 8.3 form of an existing path, or the path itself when the file system offers none.
std::string ShortPath(const std::string& path) {
  wchar_t buffer[MAX_PATH * 2] = {};
  const DWORD length = GetShortPathNameW(Wide(path).c_str(), buffer, MAX_PATH * 2);
  return length == 0 || length >= MAX_PATH * 2 ? path : Utf8(buffer);
}

bool FitsConsoleCodePage(const std::string& text) {
  return Wide(InCodePage(text, CP_OEMCP)) == Wide(text);
}

std::string ToolIn(const std::string& folder) {
  RemoveTree(folder);
  MakeDirs(folder);
  const std::string tool = folder + "\\ESRIRegAsm.exe";
  REQUIRE(CopyFileTo(StandinExe(), tool));
  return tool;
}

// A folder under base whose Tarvic_Kit.exe has a path of exactly the given length.
std::string FolderForExeLength(const std::string& base, std::size_t length) {
  const std::size_t folderLength = length - std::string("\\Tarvic_Kit.exe").size();
  std::string folder = base;
  for (int level = 0; folder.size() + 60 < folderLength; ++level) {
    folder += "\\level " + std::to_string(level) + " of a deep program folder";
  }
  return folder + "\\" + std::string(folderLength - folder.size() - 1, 'd');
}

}  // namespace

// cmd reads a batch file in the console code page: a folder named with letters outside it can
// only be handed over by its 8.3 name, or not at all.
TEST_CASE("hardening: a program folder named outside the console code page") {
  ToolPlaces noTools;
  const std::string tool = ToolIn(WorkDir() + "\\names\\Tool ! caf\xC3\xA9");
  // A snowman and a Greek omega: in neither the ANSI nor the console code page.
  KitFolder kit("names\\Kit ! \xE2\x98\x83 \xCE\xA9 (x86) & ^caf\xC3\xA9");
  kit.AddRow(1);
  kit.AddRow(15);
  REQUIRE_FALSE(FitsConsoleCodePage(kit.Path()));
  const FolderSnapshot before = SnapshotOf(kit.Path());
  const Row& row = CatalogueRow(1);
  const std::string shortDll = ShortPath(kit.Path() + row.dll);
  const std::string shortReg = ShortPath(kit.Path() + row.reg);

  App app(kit.Exe(), WindowsWithControl());
  TypeToolPath(app, tool);
  if (!FitsConsoleCodePage(shortDll) || !FitsConsoleCodePage(shortReg)) {
    MESSAGE("no usable 8.3 names here: " << shortDll);
    for (int entry = 1; entry <= 2; ++entry) {
      const SeenErrorReport report = NextErrorReport(app);
      CHECK(ReportedIn(report, "MakeBatchFiles"));
      CHECK(report.number == ERROR_NO_UNICODE_TRANSLATION);
    }
    HWND main = MainWindowWithoutPrompts(app);
    CHECK(ReportOf(main) == FailureReport(tool, kit.Path(), FoundIn(kit.Path())));
    CloseExpectingExit0(app, main);
    CHECK(ChangesBesides(before, SnapshotOf(kit.Path()), {}) == "");
    return;
  }

  HWND main = MainWindowWithoutPrompts(app);
  // The report speaks to the user, in full names.
  CHECK(ReportOf(main) == SuccessReport(tool, kit.Path(), {1, 15}, FoundIn(kit.Path())));
  CloseExpectingExit0(app, main);
  CHECK(FileText(kit.Path() + row.registerBat) ==
        BatchFileBytes("\"" + tool + "\" /p:Desktop \"" + shortDll + "\" /f:\"" + shortReg + "\""));
  CHECK(FileText(kit.Path() + row.unregisterBat) ==
        BatchFileBytes("\"" + tool + "\" /p:Desktop /u \"" + shortDll + "\""));
  std::set<std::string> written;
  for (int number : {1, 15}) {
    written.insert(CatalogueRow(number).registerBat);
    written.insert(CatalogueRow(number).unregisterBat);
  }
  CHECK(ChangesBesides(before, SnapshotOf(kit.Path()), written) == "");

  // What the tool receives names the very files, by their short names.
  const std::string log = tool.substr(0, tool.size() - 3) + "log";
  RemoveTree(log);
  CHECK(RunAndWait("cmd.exe /c " + row.registerBat, kit.Path(), 20000) == 0);
  CHECK(RunAndWait("cmd.exe /c " + row.unregisterBat, kit.Path(), 20000) == 0);
  const auto calls = ToolCalls(log);
  REQUIRE(calls.size() == 2);
  CHECK(calls[0].args == std::vector<std::string>{tool, "/p:Desktop", shortDll, "/f:" + shortReg});
  CHECK(calls[1].args == std::vector<std::string>{tool, "/p:Desktop", "/u", shortDll});
  CHECK(FileText(shortDll) == FileText(kit.Path() + row.dll));
}

namespace {

// Tarvic_Kit.exe with row 1's files in a folder that makes the program's path this long.
std::string DeepKit(const std::string& base, std::size_t length) {
  const std::string folder = FolderForExeLength(base + "\\" + std::to_string(length), length);
  MakeDirs(LongApiPath(folder));
  REQUIRE(CopyFileTo(AppExe(), LongApiPath(folder + "\\Tarvic_Kit.exe")));
  const Row& row = CatalogueRow(1);
  for (const auto& name : {row.dll, row.reg}) WriteBytes(LongApiPath(folder + "\\" + name), "x");
  return folder + "\\";
}

}  // namespace

// The longest program path Windows starts without long-path support is MAX_PATH - 1; the batch
// files' own paths then reach well past MAX_PATH.
TEST_CASE("hardening: a program folder deeper than MAX_PATH") {
  ToolPlaces tools;
  const std::string tool = FixedToolPaths()[0];
  tools.Place(tool);
  const std::string base = WorkDir() + "\\deep";
  REQUIRE(AskHost("wipe deep"));
  const Row& row = CatalogueRow(1);
  const std::string path = DeepKit(base, MAX_PATH - 1);
  REQUIRE((path + "Tarvic_Kit.exe").size() == MAX_PATH - 1);
  CHECK((path + row.unregisterBat).size() > MAX_PATH);
  const FolderSnapshot before = SnapshotOf(path);

  {
    App app(path + "Tarvic_Kit.exe", WindowsWithControl());
    HWND main = MainWindowWithoutPrompts(app);
    const Found found{{path + row.reg}, {path + row.dll}};
    CHECK(ReportOf(main) == SuccessReport(tool, path, {1}, found));
    CloseExpectingExit0(app, main);
  }
  CHECK(FileText(LongApiPath(path + row.registerBat)) ==
        BatchFileBytes(RegisterLine(tool, path, row)));
  CHECK(FileText(LongApiPath(path + row.unregisterBat)) ==
        BatchFileBytes(UnregisterLine(tool, path, row)));
  CHECK(ChangesBesides(before, SnapshotOf(path), {row.registerBat, row.unregisterBat}) == "");

  // Last, because under Wine a refused start leaves the driver unable to create files.
  const std::string deeper = DeepKit(base, 300) + "Tarvic_Kit.exe";
  App app(deeper, WindowsWithControl());
  if (!app.Started()) {
    MESSAGE("Wine does not start a program whose path has " << deeper.size() << " characters");
    return;
  }
  CloseExpectingExit0(app, MainWindowWithoutPrompts(app));
}
