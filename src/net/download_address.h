#pragma once
// The parts of a web address as WinINet splits it, within fixed capacities.

#include <windows.h>
#include <wininet.h>

#include <array>
#include <cstddef>
#include <optional>

#include "core/values.h"

namespace lf {

// Capacities in bytes, not counting the terminating NUL.
inline constexpr std::size_t kHostNameCapacity = 256;
inline constexpr std::size_t kUserNameCapacity = 128;
inline constexpr std::size_t kPasswordCapacity = 128;
inline constexpr std::size_t kObjectCapacity = 2048;

struct AddressParts {
  INTERNET_SCHEME scheme = INTERNET_SCHEME_UNKNOWN;
  INTERNET_PORT port = 0;
  std::array<char, kHostNameCapacity + 1> hostName{};
  std::array<char, kUserNameCapacity + 1> userName{};
  std::array<char, kPasswordCapacity + 1> password{};
  // The path with its query and fragment.
  std::array<char, kObjectCapacity + 1> object{};
};

// Canonicalises the address as typed (no scheme added, nothing trimmed) and
// splits it; nothing when either step fails or a part does not fit.
std::optional<AddressParts> ParseAddress(const Text& address);

}  // namespace lf
