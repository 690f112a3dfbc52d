#include "net/download.h"

#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "core/download_body.h"
#include "core/download_rules.h"
#include "core/memory.h"
#include "core/owned.h"
#include "net/download_address.h"

namespace lf {

namespace {

constexpr char kUserAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
constexpr char kAcceptType[] = "Accept: */* \r\n";
constexpr char kExtraHeaders[] = "Accept: */*\r\n\r\n";
constexpr DWORD kExtraHeadersLength = sizeof kExtraHeaders - 1;
constexpr DWORD kContentLengthCapacity = 32;

using InternetHandle = Owned<HINTERNET, InternetCloseHandle>;

// Lives from the first download whose address parses until the exit
// routine, or the run-time library's exit, closes it.
constinit InternetHandle session;
constinit ReadSizeObserver readSizeObserver = nullptr;
constinit DWORD timeoutMs = kNetworkTimeoutMs;
constinit std::size_t bodyCap = kLargestBody;

// On the shared handle for the requests that inherit it (Windows), and on
// each request for the platforms that apply a receive timeout only there.
void SetTimeouts(HINTERNET handle) {
  for (DWORD option :
       {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT}) {
    DWORD value = timeoutMs;
    InternetSetOptionA(handle, option, &value, sizeof value);
  }
}

bool OpenSession() {
  if (!session) {
    session.reset(InternetOpenA(kUserAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
    if (session) SetTimeouts(session.get());
  }
  return static_cast<bool>(session);
}

void SetProxyOptions(HINTERNET connection) {
  INTERNET_PROXY_INFO proxy{};
  proxy.dwAccessType = INTERNET_OPEN_TYPE_PRECONFIG;
  InternetSetOptionA(session.get(), INTERNET_OPTION_PROXY, &proxy, sizeof proxy);
  char none[] = "";
  InternetSetOptionA(connection, INTERNET_OPTION_PROXY_USERNAME, none, sizeof none);
  InternetSetOptionA(connection, INTERNET_OPTION_PROXY_PASSWORD, none, sizeof none);
}

std::optional<std::string_view> QueryContentLength(HINTERNET request, std::array<char, kContentLengthCapacity>& value) {
  DWORD length = kContentLengthCapacity;
  if (!HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH, value.data(), &length, nullptr)) return std::nullopt;
  return std::string_view(value.data(), std::min<DWORD>(length, kContentLengthCapacity - 1));
}

}  // namespace

ByteSet DownloadPage(const Text& address) {
  BodyCollector body(bodyCap);
  if (address.empty()) return ByteSet();
  std::optional<AddressParts> parts = ParseAddress(address);
  if (!parts) return ByteSet();

  DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE;
  if (parts->scheme == INTERNET_SCHEME_HTTPS) {
    flags |= INTERNET_FLAG_SECURE;
  } else if (parts->scheme != INTERNET_SCHEME_HTTP) {
    return ByteSet();  // no other scheme is fetched, so none is connected to
  }
  if (!OpenSession()) return ByteSet();

  // Declared in this order so that the request is closed before the
  // connection on every way out.
  InternetHandle connection(InternetConnectA(session.get(), parts->hostName.data(), parts->port, parts->userName.data(),
                                             parts->password.data(), INTERNET_SERVICE_HTTP, 0, 0));
  if (!connection) return ByteSet();
  SetProxyOptions(connection.get());

  char* object = parts->object.data();
  object[ObjectWithoutFragment(object).size()] = '\0';
  const char* acceptTypes[] = {kAcceptType, nullptr};
  InternetHandle request(HttpOpenRequestA(connection.get(), "GET", object, "HTTP/1.0", nullptr, acceptTypes, flags, 0));
  if (!request) return ByteSet();
  SetTimeouts(request.get());
  if (!HttpSendRequestA(request.get(), kExtraHeaders, kExtraHeadersLength, nullptr, 0)) return ByteSet();

  std::array<char, kContentLengthCapacity> contentLength;
  const DWORD readSize = ReadSizeFor(QueryContentLength(request.get(), contentLength));
  OwnedBlock<unsigned char> buffer(static_cast<unsigned char*>(TryResizeBlock(nullptr, readSize)));
  if (!buffer) return ByteSet();

  // A failed read ends the body like its end; so do the cap and a body too
  // large to hold: what came before stands.
  for (;;) {
    if (readSizeObserver != nullptr) readSizeObserver(readSize);
    DWORD received = 0;
    if (!InternetReadFile(request.get(), buffer.get(), readSize, &received) || received == 0) break;
    if (!body.Append(buffer.get(), std::min(received, readSize))) break;
  }
  return body.Take();
}

void CloseInternetSession() { session.reset(); }

void ObserveReadSizesForTesting(ReadSizeObserver observer) { readSizeObserver = observer; }

void SetLimitsForTesting(std::uint32_t timeoutMilliseconds, std::size_t largestBody) {
  timeoutMs = timeoutMilliseconds != 0 ? timeoutMilliseconds : kNetworkTimeoutMs;
  bodyCap = largestBody != 0 ? largestBody : kLargestBody;
  CloseInternetSession();  // the next download opens one with these timeouts
}

const void* InternetSessionForTesting() { return session.get(); }

}  // namespace lf
