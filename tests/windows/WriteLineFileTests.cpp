#include "TestFiles.h"
#include "host/win32/Utf16.h"
#include "host/win32/Win32Host.h"

using namespace tarvic::testing;
using tarvic::win32::Narrow;

namespace {

// The error number the host raised, after checking that its text names `named`.
template <class Call>
std::int32_t FailureOf(Call call, const std::wstring& named) {
  try {
    tarvic::win32::Win32Host host;
    call(host);
  } catch (const tarvic::HostFailure& failure) {
    CHECK(failure.Description().find(Narrow(named)) != std::string::npos);
    return failure.Number();
  }
  return 0;
}

std::int32_t FailureWriting(const std::wstring& path, const std::wstring& line,
                            const std::wstring& named) {
  return FailureOf([&](auto& host) { host.WriteLineFile(Narrow(path), Narrow(line)); }, named);
}

}  // namespace

TEST_CASE(
    "Batch lines are written in the console code page, paths by 8.3 names where they must be") {
  TempFolder folder;
  tarvic::win32::Win32Host host;
  const std::wstring bat = folder / L"Reg.bat";
  WriteBytes(bat, std::string(500, 'o'));  // a longer old file is emptied first

  // cmd reads batch files in the OEM code page: 437 here, where é is 0x82.
  REQUIRE(GetOEMCP() == 437);
  host.WriteLineFile(Narrow(bat), "\"C:\\caf\xC3\xA9 100%%\\ESRIRegAsm.exe\" /p:Desktop");
  CHECK(ReadBytes(bat) == "\"C:\\caf\x82 100%%\\ESRIRegAsm.exe\" /p:Desktop\r\n");

  // A path cmd can read goes as it is; a snowman is in no OEM code page, so an existing path
  // goes by its short name, and a missing one has none.
  const std::wstring cafe = folder / L"caf\u00e9.dll";
  const std::wstring snowman = folder / L"snow\u2603.dll";
  WriteBytes(snowman, "x");
  wchar_t shortPath[MAX_PATH];
  REQUIRE(GetShortPathNameW(snowman.c_str(), shortPath, MAX_PATH));
  CHECK(host.CmdPathForm(Narrow(cafe)) == Narrow(cafe));
  CHECK(host.CmdPathForm(Narrow(snowman)) == Narrow(shortPath));
  const std::wstring gone = folder / L"gone\u2603\\A.dll";
  CHECK(FailureOf([&](auto& host) { host.CmdPathForm(Narrow(gone)); }, gone) ==
        ERROR_NO_UNICODE_TRANSLATION);
}

TEST_CASE("Protected or busy targets are refused before anything in them is lost") {
  TempFolder folder(true);  // and in a folder beyond the classic path limit
  const struct {
    const wchar_t* what;
    DWORD attributes, error;
  } cases[] = {
      {L"read-only", FILE_ATTRIBUTE_READONLY, ERROR_ACCESS_DENIED},
      {L"hidden", FILE_ATTRIBUTE_HIDDEN, ERROR_ACCESS_DENIED},
      {L"system", FILE_ATTRIBUTE_SYSTEM, ERROR_ACCESS_DENIED},
      {L"held open by another program", 0, ERROR_SHARING_VIOLATION},
  };
  for (const auto& target : cases) {
    const std::wstring bat = folder / target.what;
    CAPTURE(Narrow(bat));
    WriteBytes(bat, "old", target.attributes);
    const HANDLE holder = target.attributes == 0
                              ? CreateFileW(tarvic::win32::ForFileApi(bat).c_str(), GENERIC_READ, 0,
                                            nullptr, OPEN_EXISTING, 0, nullptr)
                              : nullptr;
    CHECK(FailureWriting(bat, L"\"C:\\tool.exe\"", bat) == static_cast<int>(target.error));
    if (holder != nullptr) CloseHandle(holder);
    CHECK(ReadBytes(bat) == "old");
  }
  MakeFolder(folder / L"Unreg.bat");
  CHECK(FailureWriting(folder / L"Unreg.bat", L"x", L"Unreg.bat") == ERROR_ACCESS_DENIED);
}
