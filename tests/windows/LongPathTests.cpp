#include <doctest.h>

#include <string>

#include "TempFolder.h"
#include "host/win32/LongPath.h"
#include "host/win32/Utf16.h"
#include "host/win32/Win32Host.h"

using tarvic::testing::Exists;
using tarvic::testing::MakeFolder;
using tarvic::testing::ReadBytes;
using tarvic::testing::TempFolder;
using tarvic::testing::WriteBytes;
using tarvic::win32::ForFileApi;
using tarvic::win32::Narrow;
using tarvic::win32::Win32Host;

TEST_CASE("Paths too long for the classic limit get the device prefix, canonical") {
  const std::wstring longName(240, L'n');
  CHECK(ForFileApi(L"C:\\short\\a.dll") == L"C:\\short\\a.dll");
  CHECK(ForFileApi(L"relative\\" + longName + L"\\a.dll") == L"relative\\" + longName + L"\\a.dll");
  // The prefix turns off the system's clean-up of "..", so the path is cleaned first.
  CHECK(ForFileApi(L"C:\\x\\..\\" + longName + L"\\a.dll") ==
        L"\\\\?\\C:\\" + longName + L"\\a.dll");
  CHECK(ForFileApi(L"\\\\server\\share\\" + longName + L"\\a.dll") ==
        L"\\\\?\\UNC\\server\\share\\" + longName + L"\\a.dll");
  const std::wstring prefixed = L"\\\\?\\C:\\" + longName + L"\\a.dll";
  CHECK(ForFileApi(prefixed) == prefixed);
}

TEST_CASE("Listing and writing work in folders beyond the classic path limit") {
  TempFolder folder;
  std::wstring deep = folder.Path();
  while (deep.size() < 300) {
    deep += L"\\" + std::wstring(60, L'd');
    MakeFolder(deep);
  }
  WriteBytes(deep + L"\\A.dll", "x");
  Win32Host host;

  CHECK(host.Dir(Narrow(deep + L"\\A.dll")) == "A.dll");
  CHECK(host.Dir(Narrow(deep + L"\\")) == "A.dll");

  host.WriteLineFile(Narrow(deep + L"\\A.bat"), "\"C:\\x\\y.exe\" /p:Desktop");
  REQUIRE(Exists(deep + L"\\A.bat"));
  CHECK(ReadBytes(deep + L"\\A.bat") == "\"C:\\x\\y.exe\" /p:Desktop\r\n");
}
