#include "net/download_address.h"

namespace lf {

namespace {

constexpr DWORD kCanonicalCapacity = 2084;

template <std::size_t N>
void Give(std::array<char, N>& buffer, LPSTR& component, DWORD& length) {
  component = buffer.data();
  length = static_cast<DWORD>(buffer.size());
}

std::optional<AddressParts> Split(const char* canonical) {
  AddressParts parts;
  URL_COMPONENTSA components{};
  components.dwStructSize = sizeof components;
  Give(parts.hostName, components.lpszHostName, components.dwHostNameLength);
  Give(parts.userName, components.lpszUserName, components.dwUserNameLength);
  Give(parts.password, components.lpszPassword, components.dwPasswordLength);
  Give(parts.object, components.lpszUrlPath, components.dwUrlPathLength);
  if (!InternetCrackUrlA(canonical, 0, 0, &components)) return std::nullopt;
  parts.scheme = components.nScheme;
  parts.port = components.nPort;
  return parts;
}

}  // namespace

std::optional<AddressParts> ParseAddress(const Text& address) {
  std::array<char, kCanonicalCapacity> canonical;
  DWORD size = kCanonicalCapacity;
  if (InternetCanonicalizeUrlA(address.c_str(), canonical.data(), &size, ICU_NO_ENCODE)) return Split(canonical.data());
  if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size == 0) return std::nullopt;
  // A long address: once more into a block of the size the platform asked for.
  OwnedBlock<char> larger(static_cast<char*>(TryResizeBlock(nullptr, size)));
  if (!larger) return std::nullopt;
  if (!InternetCanonicalizeUrlA(address.c_str(), larger.get(), &size, ICU_NO_ENCODE)) return std::nullopt;
  return Split(larger.get());
}

}  // namespace lf
