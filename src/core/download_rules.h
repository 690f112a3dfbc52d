#pragma once
// The platform-free rules of the page download: how much to ask for per
// read, how long to wait and how much to keep, and which part of an
// address's object goes on the wire.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace lf {

inline constexpr std::uint32_t kUnknownLengthReadSize = 10240;
inline constexpr std::uint32_t kLargestReadSize = 102400;

// How long a connection attempt, a send or a wait for the next bytes may
// hold the window: a server that stops answering ends the download like a
// failed one instead of freezing the window for as long as it likes.
inline constexpr std::uint32_t kNetworkTimeoutMs = 30000;

// The most a body keeps: the download stops there with what it has. Well
// inside the 2 GiB of a 32-bit process, so that an endless or huge page
// cannot use up the memory that the list and the window need.
inline constexpr std::size_t kLargestBody = std::size_t{512} << 20;

// The read size for a response whose Content-Length header reads
// `contentLength`, or that has none (std::nullopt): the announced length
// plus 1 up to 102400, and 10240 when the length is absent or not positive.
std::uint32_t ReadSizeFor(std::optional<std::string_view> contentLength);

// The object without its fragment: everything before the first "#".
std::string_view ObjectWithoutFragment(std::string_view object);

}  // namespace lf
