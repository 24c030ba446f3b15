#include "batch/UntrustedChanger.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "text/AsciiCase.h"

namespace tarvic {

namespace {

// Rights that let their holder put other code in place: write data (add a file), append (add a
// folder), write attributes and extended attributes, delete, delete a child, change the
// permissions or the owner, and the generic write and all that map onto them.
constexpr std::uint32_t kChangesObject =
    0x2 | 0x4 | 0x10 | 0x100 | 0x40 | 0x10000 | 0x40000 | 0x80000 | 0x40000000 | 0x10000000;
// Above the program folder only replacing a child counts: delete-child, and what grants it.
constexpr std::uint32_t kReplacesChildren = 0x40 | 0x40000 | 0x80000 | 0x10000000;

struct RightCode {
  std::string_view code;
  std::uint32_t mask;
};
constexpr RightCode kRightCodes[] = {
    {"GA", 0x10000000}, {"GR", 0x80000000}, {"GW", 0x40000000}, {"GX", 0x20000000},
    {"RC", 0x20000},    {"SD", 0x10000},    {"WD", 0x40000},    {"WO", 0x80000},
    {"RP", 0x10},       {"WP", 0x20},       {"CC", 0x1},        {"DC", 0x2},
    {"LC", 0x4},        {"SW", 0x8},        {"LO", 0x80},       {"DT", 0x40},
    {"CR", 0x100},      {"FA", 0x1F01FF},   {"FR", 0x120089},   {"FW", 0x120116},
    {"FX", 0x1200A0},   {"KA", 0xF003F},    {"KR", 0x20019},    {"KW", 0x20006},
    {"KX", 0x20019},    {"NR", 0x1},        {"NW", 0x2},        {"NX", 0x4},
};

// The aliases whose SID a rule below needs; every other alias names someone untrusted.
struct Alias {
  std::string_view alias, sid;
};
constexpr Alias kAliases[] = {
    {"SY", "S-1-5-18"}, {"BA", "S-1-5-32-544"}, {"PU", "S-1-5-32-547"},
    {"LS", "S-1-5-19"}, {"NS", "S-1-5-20"},     {"OW", "S-1-3-4"},
    {"CO", "S-1-3-0"},  {"CG", "S-1-3-1"},      {"WD", "S-1-1-0"},
};

constexpr std::string_view kTrusted[] = {
    "S-1-5-18",
    "S-1-5-32-544",
    "S-1-5-32-547",
    "S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464",  // TrustedInstaller
    "DA",
    "EA",  // this domain's Domain Admins and Enterprise Admins, as the descriptor names them
};

std::string_view SidOf(std::string_view principal) {
  for (const Alias& alias : kAliases)
    if (EqualsIgnoreCase(alias.alias, principal)) return alias.sid;
  return principal;
}

// Domain Admins (RID 512) and Enterprise Admins (519) of any domain: S-1-5-21-a-b-c-RID.
bool IsDomainAdminGroup(std::string_view sid) {
  if (!sid.starts_with("S-1-5-21-") || std::count(sid.begin(), sid.end(), '-') != 7) return false;
  return sid.ends_with("-512") || sid.ends_with("-519");
}

bool IsTrusted(std::string_view principal, std::string_view runningUser) {
  const std::string_view sid = SidOf(principal);
  if (EqualsIgnoreCase(sid, SidOf(runningUser)) || IsDomainAdminGroup(sid)) return true;
  return std::any_of(std::begin(kTrusted), std::end(kTrusted),
                     [&](std::string_view trusted) { return EqualsIgnoreCase(sid, trusted); });
}

// The parts of `text` between `separator`s at parenthesis depth 0 (a callback entry's
// condition holds parentheses and separators of its own).
std::vector<std::string_view> SplitOutsideParentheses(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  int depth = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '(') ++depth;
    if (text[i] == ')') --depth;
    if (depth == 0 && text[i] == separator) {
      parts.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  parts.push_back(text.substr(start));
  return parts;
}

// Hex ("0x1301bf"), decimal, or two-letter codes ("FA", "SDGXGWGR"); nothing when unknown.
std::optional<std::uint32_t> RightsOf(std::string_view text) {
  if (!text.empty() && text[0] >= '0' && text[0] <= '9') {
    const std::string digits(text);
    char* end = nullptr;
    const unsigned long value = std::strtoul(digits.c_str(), &end, 0);
    if (end != digits.c_str() + digits.size()) return std::nullopt;
    return static_cast<std::uint32_t>(value);
  }
  if (text.size() % 2 != 0) return std::nullopt;
  std::uint32_t mask = 0;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const auto* found =
        std::find_if(std::begin(kRightCodes), std::end(kRightCodes),
                     [&](const RightCode& r) { return r.code == text.substr(i, 2); });
    if (found == std::end(kRightCodes)) return std::nullopt;
    mask |= found->mask;
  }
  return mask;
}

bool HasFlag(std::string_view flags, std::string_view flag) {
  for (std::size_t i = 0; i + 1 < flags.size(); i += 2)
    if (flags.substr(i, 2) == flag) return true;
  return false;
}

struct Sections {
  std::optional<std::string_view> owner, dacl;
};

// Each section starts with its letter and a colon; no SID, alias or entry outside a
// parenthesis holds a colon.
Sections SplitSections(std::string_view sddl) {
  Sections sections;
  char letter = 0;
  std::size_t start = 0;
  const auto close = [&](std::size_t end) {
    const std::string_view value = sddl.substr(start, end - start);
    if (letter == 'O') sections.owner = value;
    if (letter == 'D') sections.dacl = value;
  };
  int depth = 0;
  for (std::size_t i = 0; i + 1 < sddl.size(); ++i) {
    if (sddl[i] == '(') ++depth;
    if (sddl[i] == ')') --depth;
    if (depth != 0 || sddl[i + 1] != ':') continue;
    close(i);
    letter = sddl[i];
    start = i + 2;
  }
  close(sddl.size());
  return sections;
}

}  // namespace

std::optional<std::string> FirstUntrustedChanger(std::string_view ownerAndDacl,
                                                 std::string_view runningUser, ChangeScope scope) {
  const Sections sections = SplitSections(ownerAndDacl);
  if (!sections.owner || sections.owner->empty()) return "";
  const std::string_view owner = *sections.owner;
  if (!IsTrusted(owner, runningUser)) return std::string(owner);
  // No DACL at all lets everyone do everything.
  if (!sections.dacl || sections.dacl->starts_with("NO_ACCESS_CONTROL")) return "S-1-1-0";

  const std::uint32_t changes = scope == ChangeScope::Object ? kChangesObject : kReplacesChildren;
  const std::string_view dacl = *sections.dacl;
  const std::size_t firstEntry = std::min(dacl.find('('), dacl.size());
  for (std::string_view entry : SplitOutsideParentheses(dacl.substr(firstEntry), ')')) {
    if (entry.empty()) continue;
    if (entry[0] != '(') return "";
    const std::vector<std::string_view> fields = SplitOutsideParentheses(entry.substr(1), ';');
    if (fields.size() < 6) return "";
    const std::string_view type = fields[0], flags = fields[1], principal = fields[5];
    // Deny entries are never credited; callback entries grant as much as plain ones.
    if (type != "A" && type != "OA" && type != "XA" && type != "ZA") continue;
    // An inherit-only entry is there for the children, and these are checked one by one.
    if (HasFlag(flags, "IO")) continue;
    const std::optional<std::uint32_t> rights = RightsOf(fields[2]);
    if (!rights) return "";
    if ((*rights & changes) == 0) continue;
    const std::string_view sid = SidOf(principal);
    // On the object itself these stand for nobody: they only shape what its children inherit.
    if (sid == "S-1-3-0" || sid == "S-1-3-1") continue;
    const std::string_view who = sid == "S-1-3-4" ? owner : principal;  // OWNER RIGHTS
    if (!IsTrusted(who, runningUser)) return std::string(who);
  }
  return std::nullopt;
}

}  // namespace tarvic
