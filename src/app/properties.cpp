#include "app/properties.h"

#include "app/registry.h"
#include "core/designed.h"

namespace lf {

// Only the kinds' own properties (number 8 and above) are used by the
// program; the common ones are not read or written through here.
Text ReadProperty(std::uint32_t windowId, std::uint32_t entryId, std::int32_t number, std::int32_t /*part*/) {
  Text value;
  if (Control* control = LiveControl<Control>(windowId, entryId); control != nullptr && number >= property::kFirstOwn)
    control->ReadProperty(number, value);
  return value;
}

void WriteProperty(std::uint32_t windowId, std::uint32_t entryId, std::int32_t number, std::int32_t /*part*/,
                   const Text& value) {
  if (Control* control = LiveControl<Control>(windowId, entryId); control != nullptr && number >= property::kFirstOwn)
    control->WriteProperty(number, value);
}

}  // namespace lf
