#pragma once
// Which stock icon a window shows on the screen. Another process's icon
// handle cannot be examined, so its pixels are compared with each stock
// icon drawn here over the same background.

#include <windows.h>

#include <string>

namespace lf::testing {

struct IconMatch {
  std::string name;        // "error", "warning", "information", "question"; empty when nothing could be read
  long long distance = 0;  // summed channel differences to that icon
  long long next = 0;      // the same for the second nearest
  bool clear() const { return !name.empty() && distance < next; }
};

IconMatch ShownStockIcon(HWND window);

}  // namespace lf::testing
