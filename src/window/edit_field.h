#pragma once
// The kind 编辑框: an edit field with its designed colours, font and border.

#include "win/gdi.h"
#include "window/control.h"

namespace lf {

class EditField : public Control {
 public:
  using Control::Control;

  // Reads the settings and creates the field; false when the settings are
  // of an unknown version or the platform refuses.
  bool Create(HWND parent, int childId, DWORD style);

  void OnCommand(WORD code) override;
  HBRUSH OnColour(HDC dc) override;
  bool ClaimsKey(UINT virtualKey) const override;
  bool ReadProperty(std::int32_t number, Text& value) override;

 private:
  COLORREF textColour_ = 0;
  COLORREF backgroundColour_ = 0;
  bool multiLine_ = false;
  bool readOnly_ = false;
  OwnedBrush background_;
  OwnedFont font_;
};

}  // namespace lf
