#include "core/link_policy.h"

#include <gtest/gtest.h>

#include <string>

namespace lf {
namespace {

TEST(AddressForShell, HandsOverWebAddressesOnly) {
  const struct {
    std::string entry;
    std::optional<std::string> address;  // nothing: refused
  } cases[] = {
      {"http://a/b?c=1#d", "http://a/b?c=1#d"},
      {"HTTPS://A/", "HTTPS://A/"},
      {"hTtP://x//y", "hTtP://x//y"},
      {"https://e.example/\xCD\xF8\xD6\xB7", "https://e.example/\xCD\xF8\xD6\xB7"},  // 网址 as is
      {"http://a b//", "http://a b//"},
      {"//cdn.example.org/x.js", "https://cdn.example.org/x.js"},
      {"//a", "https://a"},
      {"file:///C:/Windows/System32/calc.exe?//", std::nullopt},
      {"javascript://%0Aalert(1)", std::nullopt},
      {"ms-msdt://x", std::nullopt},
      {"\\\\host\\share//x", std::nullopt},
      {" http://leading-blank//", std::nullopt},
      {"steam://x", std::nullopt},
      {"vscode://x", std::nullopt},
      {"///x", std::nullopt},
      {"//\\host\\share", std::nullopt},
      {"//", std::nullopt},
      {"", std::nullopt},
      {"httpx://a", std::nullopt},
      {"http//a", std::nullopt},
      {"htt://a", std::nullopt},
      {"xhttp://a", std::nullopt},
      {"ahttps://a", std::nullopt},
      {"http://a/\nb", std::nullopt},
      {"http://a/\tb", std::nullopt},
      {"http://a/\x7F", std::nullopt},
      {std::string("http://a/\0b", 11), std::nullopt},
      {"//a\r\nfile:///x", std::nullopt},
      {"http://a/\" --x", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(AddressForShell(c.entry), c.address) << c.entry;
}

}  // namespace
}  // namespace lf
