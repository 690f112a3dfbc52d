#include "window/kinds.h"

#include "core/designed.h"
#include "window/edit_field.h"
#include "window/link_list.h"
#include "window/push_button.h"

namespace lf {

std::unique_ptr<FormWindow> CreateWindowOfEntry(std::uint32_t windowId, const ControlEntry& entry, DWORD style) {
  if (entry.kind != kKindWindow) return nullptr;
  auto window = std::make_unique<FormWindow>(windowId, entry);
  if (!window->Create(style)) return nullptr;
  return window;
}

namespace {
template <class Kind>
std::unique_ptr<Control> Make(std::uint32_t windowId, const ControlEntry& entry, HWND parent, int childId,
                              DWORD style) {
  auto control = std::make_unique<Kind>(windowId, entry);
  if (!control->Create(parent, childId, style)) return nullptr;
  return control;
}
}  // namespace

std::unique_ptr<Control> CreateControlOfEntry(std::uint32_t windowId, const ControlEntry& entry, HWND parent,
                                              int childId, DWORD style) {
  switch (entry.kind) {
    case kKindEdit:
      return Make<EditField>(windowId, entry, parent, childId, style);
    case kKindButton:
      return Make<PushButton>(windowId, entry, parent, childId, style);
    case kKindList:
      return Make<LinkList>(windowId, entry, parent, childId, style);
    default:
      return nullptr;
  }
}

}  // namespace lf
