#include "core/download_rules.h"

#include <cstddef>

namespace lf {

namespace {

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

std::uint32_t ReadSizeFor(std::optional<std::string_view> contentLength) {
  if (!contentLength) return kUnknownLengthReadSize;
  std::string_view value = *contentLength;
  std::size_t i = 0;
  while (i < value.size() && IsBlank(value[i])) ++i;
  bool negative = false;
  if (i < value.size() && (value[i] == '+' || value[i] == '-')) negative = value[i++] == '-';
  // Saturates well above the largest read, so that a length beyond 32 bits
  // still counts as large rather than wrapping to a small or negative one.
  std::uint64_t number = 0;
  for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
    if (number < kLargestReadSize) number = number * 10 + static_cast<std::uint64_t>(value[i] - '0');
  }
  if (negative || number == 0) return kUnknownLengthReadSize;
  if (number + 1 > kLargestReadSize) return kLargestReadSize;
  return static_cast<std::uint32_t>(number + 1);
}

std::string_view ObjectWithoutFragment(std::string_view object) { return object.substr(0, object.find('#')); }

}  // namespace lf
