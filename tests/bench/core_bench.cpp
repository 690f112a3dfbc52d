// One in-memory pass over a page file, host build without sanitizers:
//   core_bench walk|memchr FILE
// walk is ExtractLinks without the list and the title: the link walk and the
// copy of each entry that the list wants. memchr is the memory-speed ceiling.
// Prints seconds per pass and what the pass found.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "core/extract.h"

namespace {

std::size_t Walk(std::string_view page) {
  std::string entry;
  std::size_t bytes = 0;
  std::int32_t found = lf::ForEachLink(page, [&](std::string_view link) {
    entry.assign(link);
    bytes += entry.size();
  });
  return static_cast<std::size_t>(found) + bytes;
}

// Counts the double quotes, so every byte is looked at.
std::size_t Memchr(std::string_view page) {
  std::size_t quotes = 0;
  const char* p = page.data();
  const char* end = p + page.size();
  while ((p = static_cast<const char*>(std::memchr(p, '"', static_cast<std::size_t>(end - p)))) != nullptr) {
    ++quotes;
    ++p;
  }
  return quotes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: core_bench walk|memchr FILE\n");
    return 2;
  }
  const std::string mode = argv[1];
  std::ifstream in(argv[2], std::ios::binary);
  const std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (page.empty() || page.find('\0') != std::string::npos) return 2;
  auto pass = mode == "walk" ? Walk : Memchr;

  using Clock = std::chrono::steady_clock;
  // Small pages are passed over repeatedly so the clock can see them.
  std::size_t result = pass(page), passes = 0;
  const Clock::time_point start = Clock::now();
  double seconds = 0;
  while (passes < 1000 && (passes == 0 || seconds < 0.2)) {
    result ^= pass(page);
    ++passes;
    seconds = std::chrono::duration<double>(Clock::now() - start).count();
  }
  std::printf("%.6f %zu\n", seconds / static_cast<double>(passes), result);
  return 0;
}
