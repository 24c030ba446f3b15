#include <doctest.h>

#include <string>

#include "TempFolder.h"
#include "host/win32/BatchLineEncoding.h"
#include "host/win32/Utf16.h"
#include "host/win32/Win32Host.h"

using tarvic::HostFailure;
using tarvic::testing::Exists;
using tarvic::testing::MakeFolder;
using tarvic::testing::ReadBytes;
using tarvic::testing::TempFolder;
using tarvic::testing::WriteBytes;
using tarvic::win32::Narrow;
using tarvic::win32::Widen;
using tarvic::win32::Win32Host;

namespace {

// What the console code page makes of the text, computed the way cmd will read it back.
std::string InOem(const std::wstring& text) {
  const int size = static_cast<int>(text.size());
  const int length =
      WideCharToMultiByte(CP_OEMCP, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_OEMCP, 0, text.data(), size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}

std::wstring FromOem(const std::string& bytes) {
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(CP_OEMCP, 0, bytes.data(), size, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_OEMCP, 0, bytes.data(), size, text.data(), length);
  return text;
}

std::wstring Undouble(std::wstring text) {
  for (std::size_t at = text.find(L"%%"); at != std::wstring::npos; at = text.find(L"%%", at + 1)) {
    text.erase(at, 1);
  }
  return text;
}

bool EveryPercentDoubled(const std::wstring& text) {
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] != L'%') continue;
    if (at + 1 == text.size() || text[at + 1] != L'%') return false;
    ++at;
  }
  return true;
}

std::wstring LongPathOf(const std::wstring& path) {
  wchar_t buffer[MAX_PATH * 2];
  const DWORD length = GetLongPathNameW(path.c_str(), buffer, MAX_PATH * 2);
  return std::wstring(buffer, length);
}

// "snow☃man": the snowman is in no OEM code page.
const std::wstring kUnwritable = L"snow\u2603man";

}  // namespace

TEST_CASE("WriteLineFile writes the line and CR LF, nothing else") {
  TempFolder folder;
  Win32Host host;
  const std::string line =
      "\"C:\\a b\\ESRIRegAsm.exe\" /p:Desktop \"C:\\x%%y\\A.dll\" /f:\"C:\\x%%y\\A.reg\"";
  const std::wstring bat = folder / L"Reg.bat";

  SUBCASE("a new file") {
    host.WriteLineFile(Narrow(bat), line);
    CHECK(ReadBytes(bat) == line + "\r\n");
  }
  SUBCASE("an existing, longer file is emptied first") {
    WriteBytes(bat, std::string(500, 'o'));
    host.WriteLineFile(Narrow(bat), line);
    CHECK(ReadBytes(bat) == line + "\r\n");
  }
}

TEST_CASE("WriteLineFile encodes in the console code page, which cmd reads") {
  TempFolder folder;
  Win32Host host;
  const std::wstring line = L"\"C:\\caf\u00e9\\ESRIRegAsm.exe\" /p:Desktop";
  const std::wstring bat = folder / L"Reg.bat";

  host.WriteLineFile(Narrow(bat), Narrow(line));
  const std::string bytes = ReadBytes(bat);
  CHECK(bytes == InOem(line) + "\r\n");
  if (GetOEMCP() == 437) CHECK(bytes.find('\x82') == 7);  // é in code page 437
}

TEST_CASE("A path the console cannot show is written by its short name, or not at all") {
  TempFolder folder;
  Win32Host host;
  const std::wstring bat = folder / L"Reg.bat";

  SUBCASE("an existing path: its short form, which still names the same file") {
    const std::wstring dll = folder / (L"100% " + kUnwritable) + L"\\A.dll";
    MakeFolder(folder / (L"100% " + kUnwritable));
    WriteBytes(dll, "x");
    const std::wstring quoted = folder / (L"100%% " + kUnwritable) + L"\\A.dll";
    const std::wstring line = L"\"C:\\tool.exe\" /p:Desktop \"" + quoted + L"\"";

    const auto shortPath = tarvic::win32::ShortPathOf(dll);
    const bool shortFormWritable =
        shortPath && tarvic::win32::ToOemExactly(*shortPath) && *shortPath != dll;
    if (shortFormWritable) {
      host.WriteLineFile(Narrow(bat), Narrow(line));
      const std::wstring written = FromOem(ReadBytes(bat));
      const std::wstring prefix = L"\"C:\\tool.exe\" /p:Desktop \"";
      REQUIRE(written.rfind(prefix, 0) == 0);
      REQUIRE(written.size() > prefix.size() + 3);
      CHECK(written.substr(written.size() - 3) == L"\"\r\n");
      const std::wstring quotedWritten =
          written.substr(prefix.size(), written.size() - prefix.size() - 3);
      // cmd would swallow a single %, so every one must still be doubled.
      CHECK(EveryPercentDoubled(quotedWritten));
      const std::wstring writtenPath = Undouble(quotedWritten);
      CHECK(writtenPath.find(L'\u2603') == std::wstring::npos);
      CHECK(Exists(writtenPath));
      CHECK(LongPathOf(writtenPath) == LongPathOf(dll));
    } else {
      CHECK_THROWS_AS(host.WriteLineFile(Narrow(bat), Narrow(line)), HostFailure);
      CHECK_FALSE(Exists(bat));
    }
  }

  SUBCASE("a missing path: a clear failure, and the file is left alone") {
    WriteBytes(bat, "old");
    const std::wstring missing = folder / kUnwritable + L"\\A.dll";
    try {
      host.WriteLineFile(Narrow(bat), Narrow(L"\"C:\\tool.exe\" \"" + missing + L"\""));
      FAIL("no failure");
    } catch (const HostFailure& failure) {
      CHECK(failure.Number() == ERROR_NO_UNICODE_TRANSLATION);
      CHECK(failure.Description().find(Narrow(missing)) != std::string::npos);
    }
    CHECK(ReadBytes(bat) == "old");
  }
}

TEST_CASE("A file held open by another program is reported and left unchanged") {
  TempFolder folder;
  Win32Host host;
  const std::wstring bat = folder / L"Reg.bat";
  WriteBytes(bat, "old");

  const HANDLE holder = CreateFileW(bat.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  REQUIRE(holder != INVALID_HANDLE_VALUE);
  try {
    host.WriteLineFile(Narrow(bat), "\"C:\\tool.exe\"");
    FAIL("no failure");
  } catch (const HostFailure& failure) {
    CHECK(failure.Number() == ERROR_SHARING_VIOLATION);
    CHECK(failure.Description().find(Narrow(bat)) != std::string::npos);
  }
  CloseHandle(holder);
  CHECK(ReadBytes(bat) == "old");
}

TEST_CASE("Read-only, hidden and system files and folders are not replaced") {
  TempFolder folder;
  Win32Host host;
  const DWORD attributes[] = {FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN,
                              FILE_ATTRIBUTE_SYSTEM};
  for (const DWORD attribute : attributes) {
    CAPTURE(attribute);
    const std::wstring bat = folder / (L"Reg" + std::to_wstring(attribute) + L".bat");
    WriteBytes(bat, "old");
    tarvic::testing::SetAttributes(bat, attribute);
    try {
      host.WriteLineFile(Narrow(bat), "\"C:\\tool.exe\"");
      FAIL("no failure");
    } catch (const HostFailure& failure) {
      CHECK(failure.Number() == ERROR_ACCESS_DENIED);
      CHECK(failure.Description().find(Narrow(bat)) != std::string::npos);
    }
    tarvic::testing::SetAttributes(bat, FILE_ATTRIBUTE_NORMAL);
    CHECK(ReadBytes(bat) == "old");
  }

  const std::wstring folderNamedLikeBat = folder / L"Unreg.bat";
  MakeFolder(folderNamedLikeBat);
  CHECK_THROWS_AS(host.WriteLineFile(Narrow(folderNamedLikeBat), "x"), HostFailure);
  CHECK((GetFileAttributesW(folderNamedLikeBat.c_str()) & FILE_ATTRIBUTE_DIRECTORY) != 0);
}
