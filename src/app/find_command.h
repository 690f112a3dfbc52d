#pragma once
// The link search: what the find button does.

#include "core/events.h"
#include "core/values.h"

namespace lf {

// Fetches the page named in the address field, replaces the list's column
// and extracts the links.
void OnFindClicked(EventRecord& event);

// Inserts every link of the page text at the top of the list and writes
// 找到约N条 into the window's title.
void ExtractLinks(const Text& page);

}  // namespace lf
