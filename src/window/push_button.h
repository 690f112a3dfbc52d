#pragma once
// The kind 按钮: a push button with a caption; its click is event 0.

#include "win/gdi.h"
#include "window/control.h"

namespace lf {

class PushButton : public Control {
 public:
  using Control::Control;

  bool Create(HWND parent, int childId, DWORD style);
  void OnCommand(WORD code) override;

 private:
  OwnedFont font_;
};

}  // namespace lf
