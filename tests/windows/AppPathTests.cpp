#include <doctest.h>

#include "host/win32/Win32Host.h"

using tarvic::win32::FolderOfModulePath;
using tarvic::win32::Win32Host;

TEST_CASE("The program folder keeps a backslash only at a drive root") {
  CHECK(FolderOfModulePath(L"C:\\Tools\\Kit\\Tarvic_Kit.exe") == "C:\\Tools\\Kit");
  CHECK(FolderOfModulePath(L"C:\\Tarvic_Kit.exe") == "C:\\");
  CHECK(FolderOfModulePath(L"\\\\server\\share\\Tarvic_Kit.exe") == "\\\\server\\share");
  CHECK(FolderOfModulePath(L"\\\\?\\C:\\Deep\\Tarvic_Kit.exe") == "C:\\Deep");
  CHECK(FolderOfModulePath(L"\\\\?\\UNC\\server\\share\\Tarvic_Kit.exe") == "\\\\server\\share");
}

TEST_CASE("AppPath names the folder that holds the running program") {
  Win32Host host;
  const std::string folder = host.AppPath();
  REQUIRE_FALSE(folder.empty());
  CHECK(folder.back() != '\\');
  CHECK(host.Dir(folder + "\\tarvic_windows_tests.exe") == "tarvic_windows_tests.exe");
}

TEST_CASE("The version is the project's: 1.0.39") {
  Win32Host host;
  const tarvic::AppVersion version = host.Version();
  CHECK(version.major == 1);
  CHECK(version.minor == 0);
  CHECK(version.revision == 39);
}
