#pragma once
// The kind 窗口: a top-level window of fixed size that holds the controls,
// hands their notifications, colour questions and menu requests to them,
// keeps the focus among them and does the keyboard handling of Tab, Enter
// and Esc; other keys with a modifier go to the focused control.

#include <windows.h>

#include <utility>
#include <vector>

#include "window/control.h"

namespace lf {

class FormWindow : public Control {
 public:
  using Control::Control;

  // Creates the platform window from the entry (the caller adds the style
  // bits of LoadWindow); false when that fails.
  bool Create(DWORD style);

  // The window's controls, in the order of its description.
  void SetControls(std::vector<Control*> controls) { controls_ = std::move(controls); }

  // The keyboard handling; true when it claims the message.
  bool OfferMessage(const MSG& message);

  // The controls that Tab reaches, in order.
  std::vector<Control*> TabOrder() const;

  bool ReadProperty(std::int32_t number, Text& value) override;
  bool WriteProperty(std::int32_t number, const Text& value) override;

 private:
  static WindowProcedure WindowProc;
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  DWORD FrameStyle() const;
  void ApplyFrameStyle();
  void MoveFocus(bool forward);
  void PassFocusOn();

  std::vector<Control*> controls_;
  Text title_;  // a block like every value: running out of memory for it is the allocation failure
  bool activatedOnce_ = false;
  HWND focusBeforeDeactivation_ = nullptr;
};

// Offers a message to the window kinds from the window it is addressed to up
// through its parents; true when one claims it.
bool OfferToWindows(const MSG& message);

}  // namespace lf
