#include <set>

#include "TestFiles.h"
#include "host/win32/SystemError.h"
#include "host/win32/Utf16.h"
#include "host/win32/Win32Host.h"

using namespace tarvic::testing;
using tarvic::win32::Narrow;

TEST_CASE("Dir lists read-only files, never hidden or system files or folders, ignoring case") {
  TempFolder folder(true);  // and in a folder beyond the classic path limit
  // Wine accepts such a path as it is; Windows needs the prefix that lifts the limit.
  CHECK(tarvic::win32::ForFileApi(folder / L"a") == L"\\\\?\\" + folder / L"a");
  const std::wstring share = L"\\\\srv\\share\\" + std::wstring(250, L'd');
  CHECK(tarvic::win32::ForFileApi(share) == L"\\\\?\\UNC\\srv\\share\\" + std::wstring(250, L'd'));
  WriteBytes(folder / L"normal.dll", "x");
  WriteBytes(folder / L"readonly.dll", "x", FILE_ATTRIBUTE_READONLY);
  WriteBytes(folder / L"hidden.dll", "x", FILE_ATTRIBUTE_HIDDEN);
  WriteBytes(folder / L"system.dll", "x", FILE_ATTRIBUTE_SYSTEM);
  WriteBytes(folder / L"ESRIRegAsm.exe", "x");
  MakeFolder(folder / L"x.dll");
  tarvic::win32::Win32Host host;

  const struct {
    const wchar_t* pattern;
    std::multiset<std::string> names;
  } cases[] = {
      {L"", {"normal.dll", "readonly.dll", "ESRIRegAsm.exe"}},  // the folder itself
      {L"*.dll", {"normal.dll", "readonly.dll"}},
      {L"esriregasm.EXE", {"ESRIRegAsm.exe"}},  // the name as the disk has it
      {L"x.dll\\..\\READONLY.dll", {"readonly.dll"}},
      {L"hidden.dll", {}},
      {L"system.dll", {}},
      {L"x.dll", {}},
      {L"missing.dll", {}},
      {L"no folder\\a.dll", {}},
  };
  for (const auto& probe : cases) {
    const std::string path = Narrow(folder / probe.pattern);
    CAPTURE(path);
    std::multiset<std::string> names;  // so that a file listed twice shows
    for (std::string name = host.Dir(path); !name.empty(); name = host.DirNext())
      names.insert(name);
    CHECK(names == probe.names);
    CHECK(host.DirNext().empty());
    // A direct look-up of one file gives the listing's answer.
    if (path.find_first_of("*?") == std::string::npos && path.back() != '\\')
      CHECK(host.FileExists(path) == !names.empty());
  }
  CHECK_THROWS_WITH_AS(host.Dir(Narrow(folder / L"a<b\\x.dll")),
                       tarvic::win32::SystemMessage(ERROR_INVALID_NAME).c_str(),
                       tarvic::HostFailure);
}
