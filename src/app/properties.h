#pragma once
// Reading and writing the properties of an entry of a loaded window.

#include <cstdint>

#include "core/values.h"

namespace lf {

// The current value of a property; part -1 means the whole property. Gives
// the absent text for a property that cannot be read.
Text ReadProperty(std::uint32_t windowId, std::uint32_t entryId, std::int32_t number, std::int32_t part);

// Sets a property; the value is only read (an absent text counts as empty).
void WriteProperty(std::uint32_t windowId, std::uint32_t entryId, std::int32_t number, std::int32_t part,
                   const Text& value);

}  // namespace lf
