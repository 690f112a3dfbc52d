#pragma once
// What happens to one message of a restyled control: a set of actions that
// the engine carries out in a fixed order.

#include <windows.h>

#include <cstdint>

#include "style/styled_control.h"

namespace lf {

enum class Action : std::uint32_t {
  AskTracker = 0x1,     // add the actions of TrackPointerAndFocus
  OwnBefore = 0x2,      // the control's own procedure, before painting
  DefaultBefore = 0x4,  // DefWindowProcA in its place, before painting
  Paint = 0x8,
  OwnAfter = 0x10,     // the control's own procedure, after painting
  ReturnValue = 0x20,  // return ActionSet::value
};

struct ActionSet {
  std::uint32_t bits = 0;
  LRESULT value = 0;

  bool Has(Action action) const { return (bits & static_cast<std::uint32_t>(action)) != 0; }
  ActionSet& Add(Action action) {
    bits |= static_cast<std::uint32_t>(action);
    return *this;
  }
  ActionSet& Remove(Action action) {
    bits &= ~static_cast<std::uint32_t>(action);
    return *this;
  }
  ActionSet& Add(const ActionSet& other) {
    bits |= other.bits;
    if (other.Has(Action::ReturnValue)) value = other.value;
    return *this;
  }
};

inline ActionSet operator+(Action a, Action b) { return ActionSet{}.Add(a).Add(b); }
inline ActionSet operator+(ActionSet set, Action a) { return set.Add(a); }

// The kind-specific plan; it updates the record's state flags.
ActionSet ClassifyMessage(StyledControl& control, UINT message, WPARAM wParam, LPARAM lParam);

// Focus, enabling and hover, the same for every kind.
ActionSet TrackPointerAndFocus(StyledControl& control, UINT message, WPARAM wParam);

}  // namespace lf
