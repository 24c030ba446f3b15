#include "Driver.h"

std::wstring Wide(const std::string& utf8) {
  std::wstring out(utf8.size(), L'\0');
  out.resize(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(),
                                 static_cast<int>(out.size())));
  return out;
}

std::string Narrow(const std::wstring& wide, UINT codePage) {
  std::string out(wide.size() * 3, '\0');
  out.resize(WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()),
                                 out.data(), static_cast<int>(out.size()), nullptr, nullptr));
  return out;
}

std::string EnvironmentValue(const char* name) {
  wchar_t value[4096] = {};
  GetEnvironmentVariableW(Wide(name).c_str(), value, 4096);
  return Narrow(value);
}

std::string FileText(const std::string& path) {
  HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<no file " + path + ">";
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD got = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
  CloseHandle(file);
  return bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, 0);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::map<std::string, std::string> FilesIn(const std::string& folder, const std::string& pattern) {
  std::map<std::string, std::string> files;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(Wide(folder + pattern).c_str(), &found);
  for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found)) {
    const std::string name = Narrow(found.cFileName);
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files[name] = FileText(folder + name);
  }
  FindClose(search);
  return files;
}
