#pragma once
// The host build has no error box: a test installs a handler that does not
// return (it throws), otherwise the message goes to stderr and the process
// ends with exit code -1.

#include <cstdint>

namespace lf {

using FatalHandler = void (*)(std::int32_t code, const char* text);
FatalHandler SetFatalHandlerForTesting(FatalHandler handler);

}  // namespace lf
