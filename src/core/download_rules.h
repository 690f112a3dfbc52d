#pragma once
// The platform-free rules of the page download: how much to ask for per
// read, and which part of an address's object goes on the wire.

#include <cstdint>
#include <optional>
#include <string_view>

namespace lf {

inline constexpr std::uint32_t kUnknownLengthReadSize = 10240;
inline constexpr std::uint32_t kLargestReadSize = 102400;

// The read size for a response whose Content-Length header reads
// `contentLength`, or that has none (std::nullopt): the announced length
// plus 1 up to 102400, and 10240 when the length is absent or not positive.
std::uint32_t ReadSizeFor(std::optional<std::string_view> contentLength);

// The object without its fragment: everything before the first "#".
std::string_view ObjectWithoutFragment(std::string_view object);

}  // namespace lf
