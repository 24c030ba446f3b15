#include "Files.h"

#include <windows.h>

#include "Utf.h"

bool Exists(const std::string& path) {
  return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> MakeDirs(const std::string& path) {
  std::vector<std::string> created;
  // Start past "C:\"; the parts of a share name just fail to be created.
  std::size_t end = path.find('\\', 3);
  while (true) {
    const std::string part = path.substr(0, end);
    if (!Exists(part) && CreateDirectoryW(Wide(part).c_str(), nullptr)) created.push_back(part);
    if (end == std::string::npos) break;
    end = path.find('\\', end + 1);
  }
  return created;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::optional<std::string> ReadBytes(const std::string& path) {
  HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

std::string FileText(const std::string& path) {
  return ReadBytes(path).value_or("<no file " + path + ">");
}

bool CopyFileTo(const std::string& from, const std::string& to) {
  return CopyFileW(Wide(from).c_str(), Wide(to).c_str(), FALSE) != 0;
}

void SetAttributes(const std::string& path, unsigned long attributes) {
  SetFileAttributesW(Wide(path).c_str(), attributes);
}

void RemoveTree(const std::string& path) {
  const std::wstring wide = Wide(path);
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    DeleteFileW(wide.c_str());
    return;
  }
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((wide + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name != L"." && name != L"..") RemoveTree(path + "\\" + Utf8(name));
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(wide.c_str());
}

namespace {
template <class Keep>
std::vector<std::string> Names(const std::string& folder, Keep keep) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(Wide(folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (keep(found)) names.push_back(Utf8(found.cFileName));
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}
}  // namespace

std::vector<std::string> ListedFiles(const std::string& folder) {
  constexpr DWORD kNotNormal =
      FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  return Names(folder,
               [](const WIN32_FIND_DATAW& f) { return !(f.dwFileAttributes & kNotNormal); });
}

std::vector<std::string> FilesStartingWith(const std::string& folder, const std::string& prefix) {
  const std::wstring wanted = Wide(prefix);
  return Names(folder, [&](const WIN32_FIND_DATAW& f) {
    return std::wstring_view(f.cFileName).substr(0, wanted.size()) == wanted;
  });
}
