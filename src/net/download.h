#pragma once
// The page download: one HTTP GET through the platform's internet client.

#include <cstddef>
#include <cstdint>

#include "core/values.h"

namespace lf {

// The body of the response to a GET of the address (http or https), or the
// bytes received before a read failed; the empty byte set on any failure.
ByteSet DownloadPage(const Text& address);

// Closes the internet handle that the downloads share; the exit routine of
// the orderly end. A later download opens a new one.
void CloseInternetSession();

// Test seams: the size asked for by each read, the shared handle (null
// while it is not open), and lower limits than the timeout and the largest
// body of core/download_rules.h (0 for either: the real one).
using ReadSizeObserver = void (*)(std::uint32_t readSize);
void ObserveReadSizesForTesting(ReadSizeObserver observer);
const void* InternetSessionForTesting();
void SetLimitsForTesting(std::uint32_t timeoutMilliseconds, std::size_t largestBody);

}  // namespace lf
