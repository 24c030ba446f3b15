#include "batch/TypedToolPath.h"

#include <string_view>

#include "host/Host.h"
#include "text/UncPath.h"

namespace tarvic {

namespace {

bool IsAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Windows listings read < > " as wildcards too, so such a text could match the real tool and
// then stand in the batch lines; a colon is only a drive's.
bool HoldsForbiddenCharacter(const std::string& path) {
  for (std::size_t i = 0; i < path.size(); ++i) {
    const auto c = static_cast<unsigned char>(path[i]);
    if (c < 0x20 || std::string_view("<>\"|*?").find(path[i]) != std::string_view::npos) {
      return true;
    }
    if (path[i] == ':' && i != 1) return true;
  }
  return false;
}

// "Run as administrator" starts a batch file in System32, so anything relative to the current
// folder or drive would name another file there.
bool IsFullyQualified(const std::string& path) {
  if (path.size() > 3 && IsAsciiLetter(path[0]) && path[1] == ':' && path[2] == '\\') return true;
  const std::size_t root = UncRootLength(path);
  return root != 0 && root + 1 < path.size();
}

}  // namespace

bool IsUsableToolPathShape(const std::string& path) {
  // A batch file cannot call a folder.
  if (path.empty() || path.back() == '\\' || path.back() == '/') return false;
  return !HoldsForbiddenCharacter(path) && IsFullyQualified(path);
}

bool TypedToolPathExists(Host& host, const std::string& path) {
  return IsUsableToolPathShape(path) && !host.Dir(path).empty();
}

}  // namespace tarvic
