#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace tarvic::test {

// File attributes as the platform numbers them.
namespace attr {
constexpr unsigned kNormal = 0;
constexpr unsigned kReadOnly = 1;
constexpr unsigned kHidden = 2;
constexpr unsigned kSystem = 4;
constexpr unsigned kFolder = 16;
}  // namespace attr

// Files and folders by full Windows path. Paths match without regard to letter case, names come
// back in their stored case, and a folder lists its entries in the order they were added.
class MemoryFileSystem {
 public:
  // Missing parent folders are created on the way.
  void AddFolder(const std::string& path, unsigned attributes = attr::kFolder);
  void AddFile(const std::string& path, const std::string& contents = "",
               unsigned attributes = attr::kNormal);

  bool Exists(const std::string& path) const;
  // Bytes of a file; "" when it does not exist.
  std::string Contents(const std::string& path) const;
  // Full paths (stored case) of the files directly in a folder whose name matches the pattern.
  std::vector<std::string> FilesIn(const std::string& folder,
                                   const std::string& pattern = "*") const;

  // Bare names of the normal files a listing pattern matches, in listing order. A folder path
  // ending in a backslash lists the folder. Throws HostFailure for an injected failing listing.
  std::vector<std::string> List(const std::string& pattern) const;
  // Creates or empties the file and stores line + CR LF; throws HostFailure as injected, leaving
  // the file untouched.
  void WriteLine(const std::string& path, const std::string& line);

  // Failures injected per path. A listing fails when its pattern begins with `prefix`.
  void FailListing(const std::string& prefix, std::int32_t number, const std::string& description);
  void DenyWritesIn(const std::string& folder);
  void Lock(const std::string& path);
  // The file is written but no listing sees it afterwards.
  void HideAfterWrite(const std::string& path);

 private:
  struct Entry {
    std::string path;
    unsigned attributes = attr::kNormal;
    std::string contents;
    bool invisible = false;
  };
  struct ListingFailure {
    std::string prefix;
    std::int32_t number;
    std::string description;
  };

  Entry* Find(const std::string& path);
  const Entry* Find(const std::string& path) const;
  bool IsFolder(const std::string& path) const;
  void AddEntry(Entry entry);

  std::vector<Entry> entries_;
  std::vector<ListingFailure> listingFailures_;
  std::vector<std::string> deniedFolders_;
  std::vector<std::string> locked_;
  std::vector<std::string> hiddenAfterWrite_;
};

}  // namespace tarvic::test
