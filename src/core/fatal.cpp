#include "core/fatal.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace lf {

const char kIndexAboveCount[] =
    "\xCA\xFD\xD7\xE9\xB3\xC9\xD4\xB1\xD2\xFD\xD3\xC3\xCF\xC2\xB1\xEA\xB3\xAC\xB3\xF6\xB6\xA8\xD2\xE5\xB7\xB6\xCE\xA7";
const char kIndexBelowOne[] =
    "\xCA\xFD\xD7\xE9\xB3\xC9\xD4\xB1\xD2\xFD\xD3\xC3\xCF\xC2\xB1\xEA\xB1\xD8\xD0\xEB\xB4\xF3\xD3\xDA\xB5\xC8\xD3\xDA"
    "1";

namespace {
const char kRuntimeError[] = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n";  // 运行时出错!
const char kCodeLabel[] = "\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA";              // 错误代码：
const char kTextLabel[] = "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";              // 错误信息：
// 分配 %d 字节内存失败!, split around the number.
const char kAllocationBefore[] = "\xB7\xD6\xC5\xE4 ";
const char kAllocationAfter[] = " \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!";

FatalReporter g_reporter = nullptr;
}  // namespace

FatalReporter SetFatalReporter(FatalReporter reporter) {
  FatalReporter previous = g_reporter;
  g_reporter = reporter;
  return previous;
}

void ReportFatalError(std::int32_t code, const char* text) {
  if (g_reporter != nullptr) g_reporter(code, text);
  char message[1024];
  FormatFatalMessage(message, sizeof message, code, text);
  std::fputs(message, stderr);
  std::exit(-1);
}

std::size_t FormatFatalMessage(char* out, std::size_t capacity, std::int32_t code, const char* text) {
  // A fixed buffer and no allocation: this also reports exhausted memory.
  std::size_t used = 0;
  auto put = [&](const char* s) {
    std::size_t n = std::strlen(s);
    if (capacity == 0) return;
    if (n > capacity - 1 - used) n = capacity - 1 - used;
    std::memcpy(out + used, s, n);
    used += n;
  };
  put(kRuntimeError);
  if (code != 0) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%d", static_cast<int>(code));
    put(kCodeLabel);
    put(digits);
    put("\r\n\r\n");
  }
  if (text != nullptr && text[0] != '\0') {
    put(kTextLabel);
    put(text);
    put("\r\n");
  }
  if (capacity != 0) out[used] = '\0';
  return used;
}

void ReportAllocationFailure(std::size_t size) {
  // Digits by hand: the platform's printf may not know the size type.
  char digits[24];
  char* p = digits + sizeof digits;
  *--p = '\0';
  do {
    *--p = static_cast<char>('0' + size % 10);
    size /= 10;
  } while (size != 0);
  char text[96];
  std::snprintf(text, sizeof text, "%s%s%s", kAllocationBefore, p, kAllocationAfter);
  ReportFatalError(0, text);
}

}  // namespace lf
