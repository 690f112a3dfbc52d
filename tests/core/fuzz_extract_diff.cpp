// The one-pass link walk against the plain one on arbitrary page texts:
// the same links in the same order, the same count.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>
#include <utility>

#include "core/extract.h"
#include "core/text_ops.h"
#include "support/reference_walk.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  lf::ByteSet bytes = lf::ByteSet::Copy(data, size);
  lf::Text page = lf::BytesToText(std::move(bytes));
  std::string_view text = page.view();

  std::vector<std::string> fast;
  std::int32_t fastCount = lf::ForEachLink(text, [&](std::string_view link) {
    if (link.data() < text.data() || link.data() + link.size() > text.data() + text.size()) std::abort();
    fast.emplace_back(link);
  });
  std::vector<std::string> plain;
  std::int32_t plainCount = lf::ForEachLinkPlain(page, [&](std::string_view link) { plain.emplace_back(link); });

  if (fast != plain || fastCount != plainCount || fastCount != static_cast<std::int32_t>(fast.size())) std::abort();
  return 0;
}
