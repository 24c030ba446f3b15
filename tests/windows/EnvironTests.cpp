#include <doctest.h>

#include <string>

#include "host/win32/Win32Host.h"

using tarvic::win32::Win32Host;

TEST_CASE("Environ reads variables whole, in UTF-8, and gives nothing for unset ones") {
  Win32Host host;
  SetEnvironmentVariableW(L"TARVIC_TEST_VALUE", L"caf\u00e9 \u2603");
  const std::wstring longValue(1000, L'v');
  SetEnvironmentVariableW(L"TARVIC_TEST_LONG", longValue.c_str());
  SetEnvironmentVariableW(L"TARVIC_TEST_UNSET", nullptr);

  CHECK(host.Environ("TARVIC_TEST_VALUE") == "caf\xC3\xA9 \xE2\x98\x83");
  CHECK(host.Environ("tarvic_test_value") == "caf\xC3\xA9 \xE2\x98\x83");
  CHECK(host.Environ("TARVIC_TEST_LONG") == std::string(1000, 'v'));
  CHECK(host.Environ("TARVIC_TEST_UNSET").empty());
  CHECK_FALSE(host.Environ("WinDir").empty());

  SetEnvironmentVariableW(L"TARVIC_TEST_VALUE", nullptr);
  SetEnvironmentVariableW(L"TARVIC_TEST_LONG", nullptr);
}
