#include <doctest.h>

#include <set>
#include <string>

#include "TempFolder.h"
#include "host/win32/Utf16.h"
#include "host/win32/Win32Host.h"

using tarvic::HostFailure;
using tarvic::testing::MakeFolder;
using tarvic::testing::SetAttributes;
using tarvic::testing::TempFolder;
using tarvic::testing::WriteBytes;
using tarvic::win32::Narrow;
using tarvic::win32::Win32Host;

namespace {

std::set<std::string> ListAll(Win32Host& host, const std::wstring& pattern) {
  std::set<std::string> names;
  for (std::string name = host.Dir(Narrow(pattern)); !name.empty(); name = host.DirNext()) {
    CHECK(names.insert(name).second);  // each file once
  }
  return names;
}

}  // namespace

TEST_CASE("Dir lists normal and read-only files, never hidden, system files or folders") {
  TempFolder folder;
  for (const wchar_t* name : {L"normal.dll", L"readonly.dll", L"hidden.dll", L"system.dll"}) {
    WriteBytes(folder / name, "x");
  }
  SetAttributes(folder / L"readonly.dll", FILE_ATTRIBUTE_READONLY);
  SetAttributes(folder / L"hidden.dll", FILE_ATTRIBUTE_HIDDEN);
  SetAttributes(folder / L"system.dll", FILE_ATTRIBUTE_SYSTEM);
  MakeFolder(folder / L"x.dll");
  Win32Host host;

  const std::set<std::string> expected = {"normal.dll", "readonly.dll"};
  SUBCASE("a folder path ending in a backslash lists the folder") {
    CHECK(ListAll(host, folder.Path() + L"\\") == expected);
  }
  SUBCASE("a wildcard pattern") {
    CHECK(ListAll(host, folder / L"*.dll") == expected);
  }
  SUBCASE("a probe of one file, listed or looked up directly, gives the same answer") {
    for (const wchar_t* name : {L"normal.dll", L"READONLY.DLL", L"hidden.dll", L"system.dll",
                                L"x.dll", L"missing.dll", L"nofolder\\a.dll"}) {
      CAPTURE(Narrow(name));
      const std::string path = Narrow(folder / name);
      const bool listed = !host.Dir(path).empty();
      CHECK(host.FileExists(path) == listed);
      CHECK(listed ==
            (std::wstring(name) == L"normal.dll" || std::wstring(name) == L"READONLY.DLL"));
    }
    CHECK(host.Dir(Narrow(folder / L"readonly.dll")) == "readonly.dll");
    CHECK_THROWS_AS(host.FileExists(Narrow(folder / L"a<b>.dll")), HostFailure);
  }
  SetAttributes(folder / L"readonly.dll", FILE_ATTRIBUTE_NORMAL);
}

TEST_CASE("Dir patterns match as Windows matches them, ignoring letter case") {
  TempFolder folder;
  for (const wchar_t* name : {L"a.dll", L"ab.dll", L"a.reg", L"ESRIRegAsm.exe"}) {
    WriteBytes(folder / name, "x");
  }
  Win32Host host;

  CHECK(ListAll(host, folder / L"*.reg") == std::set<std::string>{"a.reg"});
  CHECK(ListAll(host, folder / L"?.dll") == std::set<std::string>{"a.dll"});
  // The probe's spelling differs from the file's; the name comes back as the disk has it.
  CHECK(host.Dir(Narrow(folder / L"esriregasm.EXE")) == "ESRIRegAsm.exe");
}

TEST_CASE("Dir answers nothing for what is missing or empty") {
  TempFolder folder;
  MakeFolder(folder / L"empty");
  Win32Host host;

  CHECK(host.Dir(Narrow(folder / L"missing.dll")).empty());
  CHECK(host.Dir(Narrow(folder / L"no such folder\\a.dll")).empty());
  CHECK(host.Dir(Narrow(folder / L"no such folder\\")).empty());
  CHECK(host.Dir(Narrow(folder / L"empty\\")).empty());
  CHECK(host.DirNext().empty());
}

TEST_CASE("Dir reports an invalid name as a failure with the system's text") {
  TempFolder folder;
  Win32Host host;
  try {
    host.Dir(Narrow(folder / L"a<b\\x.dll"));
    FAIL("no failure");
  } catch (const HostFailure& failure) {
    CHECK(failure.Number() == ERROR_INVALID_NAME);
    CHECK_FALSE(failure.Description().empty());
    CHECK(failure.Description().find_first_of("\r\n") == std::string::npos);
  }
}

TEST_CASE("DirNext continues the latest listing and stays empty after the last") {
  TempFolder folder;
  MakeFolder(folder / L"one");
  MakeFolder(folder / L"two");
  for (const wchar_t* name : {L"one\\1.dll", L"one\\2.dll", L"one\\3.dll", L"two\\z.reg"}) {
    WriteBytes(folder / name, "x");
  }
  Win32Host host;

  SUBCASE("to the end") {
    CHECK(ListAll(host, folder / L"one\\") == std::set<std::string>{"1.dll", "2.dll", "3.dll"});
    CHECK(host.DirNext().empty());
    CHECK(host.DirNext().empty());
  }
  SUBCASE("a new Dir abandons the old listing") {
    CHECK_FALSE(host.Dir(Narrow(folder / L"one\\")).empty());
    CHECK(host.Dir(Narrow(folder / L"two\\")) == "z.reg");
    CHECK(host.DirNext().empty());
  }
}
