#pragma once
// Fatal errors: the report, then the end of the process with exit code -1.
// How the report is shown belongs to the platform: the program's start-up
// installs the error box; until then (and in the host build) the message
// goes to stderr.

#include <cstddef>
#include <cstdint>

namespace lf {

// Shows the fatal error report and ends the process; code 0 means none,
// text may be null or empty. Does not return.
[[noreturn]] void ReportFatalError(std::int32_t code, const char* text);

// The allocation failure: "分配 %d 字节内存失败!" with the requested size.
[[noreturn]] void ReportAllocationFailure(std::size_t size);

// What ReportFatalError hands the error to. It must not return (it ends the
// process, or a test's reporter throws); if it does, the default follows.
using FatalReporter = void (*)(std::int32_t code, const char* text);
// Installs a reporter (nullptr: the default) and gives the one before.
FatalReporter SetFatalReporter(FatalReporter reporter);

// Writes the report's message into out (always NUL-terminated, cut to
// capacity) and returns its length.
std::size_t FormatFatalMessage(char* out, std::size_t capacity, std::int32_t code, const char* text);

// The fixed texts of the array-member errors.
extern const char kIndexAboveCount[];  // 数组成员引用下标超出定义范围
extern const char kIndexBelowOne[];    // 数组成员引用下标必须大于等于1
constexpr std::int32_t kIndexAboveCountCode = 1;
constexpr std::int32_t kIndexBelowOneCode = 4;

}  // namespace lf
