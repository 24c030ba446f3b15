#include "TestFiles.h"
#include "host/win32/FileWrite.h"
#include "host/win32/Utf16.h"
#include "host/win32/Win32Host.h"

using namespace tarvic::testing;
using tarvic::win32::ForFileApi;
using tarvic::win32::Narrow;

namespace {

// The error number of the host's failure, after checking that its text names `named`.
DWORD FailureOf(auto call, const std::wstring& named) {
  try {
    call();
  } catch (const tarvic::HostFailure& failure) {
    CHECK(failure.Description().find(Narrow(named)) != std::string::npos);
    return static_cast<DWORD>(failure.Number());
  }
  return 0;
}

}  // namespace

TEST_CASE("Batch lines are in the console code page, paths in 8.3 form where they must be") {
  TempFolder folder;
  tarvic::win32::Win32Host host;
  const std::wstring bat = folder / L"Reg.bat";
  WriteBytes(bat, std::string(500, 'o'));  // a longer old file is emptied first

  // cmd reads batch files in the OEM code page: 437 here, where é is 0x82.
  REQUIRE(GetOEMCP() == 437);
  host.WriteLineFile(Narrow(bat), "\"C:\\caf\xC3\xA9 100%%\\ESRIRegAsm.exe\" /p:Desktop");
  CHECK(ReadBytes(bat) == "\"C:\\caf\x82 100%%\\ESRIRegAsm.exe\" /p:Desktop\r\n");

  // A snowman fits no OEM code page: an existing path goes by its short name, a missing one fails.
  const std::wstring snowman = folder / L"snow\u2603.dll", gone = folder / L"gone\u2603\\A.dll";
  WriteBytes(snowman, "x");
  wchar_t shortPath[MAX_PATH];
  REQUIRE(GetShortPathNameW(snowman.c_str(), shortPath, MAX_PATH));
  CHECK(host.CmdPathForm(Narrow(snowman)) == Narrow(shortPath));
  CHECK(FailureOf([&] { host.CmdPathForm(Narrow(gone)); }, gone) == ERROR_NO_UNICODE_TRANSLATION);
}

TEST_CASE("Protected or busy targets are refused before anything in them is lost") {
  TempFolder folder(true);  // and in a folder beyond the classic path limit
  tarvic::win32::Win32Host host;
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
    WriteBytes(bat, "old", target.attributes);
    const HANDLE holder = target.attributes == 0
                              ? CreateFileW(tarvic::win32::ForFileApi(bat).c_str(), GENERIC_READ, 0,
                                            nullptr, OPEN_EXISTING, 0, nullptr)
                              : nullptr;
    CHECK(FailureOf([&] { host.WriteLineFile(Narrow(bat), "x"); }, bat) == target.error);
    CloseHandle(holder);
    CHECK(ReadBytes(bat) == "old");
  }
  // A second name of another file is never written through, for a batch file or the log.
  const std::wstring other = folder / L"other.txt", linked = folder / L"Linked.bat";
  WriteBytes(other, "old");
  REQUIRE(CreateHardLinkW(ForFileApi(linked).c_str(), ForFileApi(other).c_str(), nullptr));
  using Host = tarvic::win32::Win32Host;
  for (auto write : {&Host::WriteLineFile, &Host::WriteBytesFile, &Host::AppendBytesFile})
    CHECK(FailureOf([&] { (host.*write)(Narrow(linked), "x"); }, L"a link") == ERROR_ACCESS_DENIED);
  CHECK(ReadBytes(other) == "old");
  // Wine 8 shows no reparse point; only a name surrogate is a link, not a compressed file.
  BY_HANDLE_FILE_INFORMATION info = {};
  info.dwFileAttributes = FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_ARCHIVE;
  for (const DWORD tag : {IO_REPARSE_TAG_SYMLINK, IO_REPARSE_TAG_MOUNT_POINT, IO_REPARSE_TAG_WOF})
    CHECK((tarvic::win32::RefusalToWrite(info, tag, false) != 0) == (tag != IO_REPARSE_TAG_WOF));
  MakeFolder(folder / L"Unreg.bat");
  CHECK(FailureOf([&] { host.WriteLineFile(Narrow(folder / L"Unreg.bat"), "x"); }, L"Unreg.bat") ==
        ERROR_ACCESS_DENIED);
}

static DWORD WINAPI CloseSoon(void* file) {
  Sleep(300);
  return CloseHandle(file);
}

// A viewer that shares the log for reading only is waited out, about a second at most, while
// this thread's windows answer. One that lets others write, as CMTrace does, is no obstacle.
TEST_CASE("A log viewer that lets nobody write is waited out") {
  TempFolder folder;
  tarvic::win32::Win32Host host;
  const std::wstring log = folder / L"run.log";
  const auto viewer = [&](DWORD share) {
    return CreateFileW(log.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr);
  };
  CHECK_NOTHROW(host.WriteBytesFile(Narrow(log), "bc"));
  const HANDLE follower = viewer(FILE_SHARE_READ | FILE_SHARE_WRITE);
  const HWND edit = CreateWindowW(L"EDIT", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  PostMessageW(edit, WM_CHAR, L'x', 0);
  CloseHandle(CreateThread(nullptr, 0, CloseSoon, viewer(FILE_SHARE_READ), 0, nullptr));
  CHECK_NOTHROW(host.AppendBytesFile(Narrow(log), "d"));
  CHECK(ReadBytes(log) == "bcd");
  CloseHandle(follower);
  CHECK(GetWindowTextLengthW(edit) == 1);
  DestroyWindow(edit);

  const HANDLE holder = viewer(FILE_SHARE_READ);
  const DWORD start = GetTickCount();
  CHECK(FailureOf([&] { host.AppendBytesFile(Narrow(log), "e"); }, log) == ERROR_SHARING_VIOLATION);
  CHECK(GetTickCount() - start - 800 < 1200);  // ten tries, 100 ms apart
  CloseHandle(holder);
}
