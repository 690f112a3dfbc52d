#include "core/link_policy.h"

namespace lf {

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (LowerAscii(text[i]) != prefix[i]) return false;
  return true;
}

// Control characters could end or split the address on its way to a
// handler's command line, a quote could close its quoting there.
bool HoldsUnsafeByte(std::string_view entry) {
  for (char c : entry) {
    auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F || c == '"') return true;
  }
  return false;
}

// "//host": a third '/' or '\' would make it a path or a share name.
bool IsSchemeRelative(std::string_view entry) {
  return entry.size() > 2 && entry[0] == '/' && entry[1] == '/' && entry[2] != '/' && entry[2] != '\\';
}

}  // namespace

std::optional<std::string> AddressForShell(std::string_view entry) {
  if (HoldsUnsafeByte(entry)) return std::nullopt;
  if (StartsWithNoCase(entry, "http:") || StartsWithNoCase(entry, "https:")) return std::string(entry);
  if (IsSchemeRelative(entry)) return "https:" + std::string(entry);
  return std::nullopt;
}

}  // namespace lf
