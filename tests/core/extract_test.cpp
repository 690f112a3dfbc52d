#include "core/extract.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/values.h"
#include "support/counting_heap.h"
#include "support/reference_walk.h"

namespace lf {
namespace {

struct Walk {
  std::vector<std::string> links;
  std::int32_t count = 0;
};

Walk FastWalk(std::string_view page) {
  Walk walk;
  walk.count = ForEachLink(page, [&](std::string_view link) { walk.links.emplace_back(link); });
  return walk;
}

Walk PlainWalk(std::string_view page) {
  Walk walk;
  Text text = Text::Copy(page);
  walk.count = ForEachLinkPlain(text, [&](std::string_view link) { walk.links.emplace_back(link); });
  return walk;
}

struct PageCase {
  const char* name;
  std::string page;
  std::vector<std::string> links;  // in page order
};

const PageCase kPages[] = {
    {"empty page", "", {}},
    {"targets in page order, relative one left out",
     "<p>intro</p><a href=\"//a/1\">x</a> <a href=\"/c\">y</a> <a href=\"//b/2\">z</a>",
     {"//a/1", "//b/2"}},
    {"no quote at all: the whole text", "see http://x.example/y and more", {"see http://x.example/y and more"}},
    {"text before the first marker is examined too", "http://pre \"x\" <a href=\"//l\">", {"http://pre ", "//l"}},
    {"empty target", "<a href=\"\" //not\" href=\"//y\">", {"//y"}},
    {"capitals are not the marker", "<p class=\"k\"><a HREF=\"//a\">", {}},
    {"single quotes are not the marker", "<p class=\"k\"><a href='//a'>", {}},
    {"blank around the equals sign", "<p class=\"k\"><a href = \"//a\">", {}},
    {"duplicates listed twice", "href=\"//d\" href=\"//d\"", {"//d", "//d"}},
    {"page starts with the marker", "href=\"//a\"", {"//a"}},
    {"marker twice in a row", "x href=\"href=\"//a\"", {"//a"}},
    {"only the marker", "href=\"", {}},
    {"marker at the end", "x href=\"", {}},
    {"target runs to the end", "a\" href=\"//open", {"//open"}},
    {"target is a whole scheme address", "href=\"https://e.example/p?q=1#f\"", {"https://e.example/p?q=1#f"}},
    // A1 after an ASCII byte takes the h along: the marker goes unseen and
    // its target stays in the first piece behind that piece's first quote
    {"A1 before the marker", "x\xA1href=\"//hidden\" href=\"//seen\"", {"//seen"}},
    {"a whole two-byte character before the marker", "\xB0\xA1href=\"//seen\"", {"//seen"}},
    // 中 in UTF-8: three high bytes, the third one takes the h along
    {"UTF-8 character before the marker", "a\xE4\xB8\xADhref=\"//u\"", {}},
    // 中文: six high bytes, the marker is back on the grid
    {"two UTF-8 characters before the marker", "\xE4\xB8\xAD\xE6\x96\x87href=\"//v\"", {"//v"}},
    // 网址 as GBK inside the target
    {"high bytes listed byte for byte", "href=\"//\xCD\xF8\xD6\xB7/x\"", {"//\xCD\xF8\xD6\xB7/x"}},
    {"quote on a second byte belongs to the target", "href=\"//a\xA1\"b\"c", {"//a\xA1\"b"}},
    {"double slash on a second byte", "href=\"x\xA1//\" href=\"x\xA1\xA1//\"", {"x\xA1\xA1//"}},
    {"lone high byte at the end", "href=\"//a\xA1", {"//a\xA1"}},
    {"slash before the quote is no double slash", "href=\"a/\"/b\"", {}},
};

TEST(LinkWalk, BothWalksListTheTargetsInPageOrder) {
  for (const PageCase& c : kPages) {
    Walk fast = FastWalk(c.page);
    Walk plain = PlainWalk(c.page);
    EXPECT_EQ(fast.links, c.links) << c.name;
    EXPECT_EQ(fast.count, static_cast<std::int32_t>(c.links.size())) << c.name;
    EXPECT_EQ(plain.links, c.links) << c.name;
    EXPECT_EQ(plain.count, fast.count) << c.name;
  }
}

TEST(LinkWalk, FastWalkGivesViewsIntoThePage) {
  std::string page = "a href=\"//x\" b";
  int seen = 0;
  std::int32_t found = ForEachLink(page, [&](std::string_view link) {
    ++seen;
    EXPECT_EQ(link.data(), page.data() + 8);
    EXPECT_EQ(link.size(), 3u);
  });
  EXPECT_EQ(found, 1);
  EXPECT_EQ(seen, 1);
}

// Many links of one shape, so that each link's sub-pieces take as many
// blocks as the one before.
std::string ManyLinks(int count) {
  std::string page = "<html>";
  for (int i = 0; i < count; ++i) page += "<a class=\"c\" href=\"//h/" + std::to_string(100 + i) + "\" title=\"t\">";
  return page + "<a class=\"c\" ";
}

TEST(LinkWalk, PlainWalkReleasesEverySubPieceAtItsPlace) {
  Text page = Text::Copy(ManyLinks(50));
  std::vector<long> liveAtLink;
  {
    CountingHeapScope heap;
    std::int32_t found =
        ForEachLinkPlain(page, [&](std::string_view) { liveAtLink.push_back(CountingHeapScope::live); });
    EXPECT_EQ(found, 50);
    EXPECT_EQ(CountingHeapScope::live, 0) << "blocks left after the walk";
    EXPECT_GT(CountingHeapScope::allocations, 50);
  }
  ASSERT_EQ(liveAtLink.size(), 50u);
  // The sub-pieces of a piece go when the next piece's take their place.
  for (long live : liveAtLink) EXPECT_EQ(live, liveAtLink.front());
}

TEST(LinkWalk, PlainWalkReleasesEverythingOnOddPages) {
  for (const PageCase& c : kPages) {
    Text page = Text::Copy(c.page);
    CountingHeapScope heap;
    ForEachLinkPlain(page, [](std::string_view) {});
    EXPECT_EQ(CountingHeapScope::live, 0) << c.name;
  }
}

TEST(LinkWalk, FastWalkTakesNoBlock) {
  std::string page = ManyLinks(50);
  CountingHeapScope heap;
  EXPECT_EQ(ForEachLink(page, [](std::string_view) {}), 50);
  EXPECT_EQ(CountingHeapScope::allocations, 0);
}

}  // namespace
}  // namespace lf
