#include "window/push_button.h"

#include <string>

#include "core/description.h"
#include "core/designed.h"
#include "win/controls.h"
#include "window/designed_font.h"

namespace lf {

namespace {
constexpr std::uint32_t kKnownVersion = 1;
const char kDefaultCaption[] = "按钮";
}  // namespace

bool PushButton::Create(HWND parent, int childId, DWORD style) {
  std::string caption = kDefaultCaption;
  std::uint32_t type = 0, horizontal = 1, vertical = 1;
  std::span<const std::uint8_t> font;
  if (!entry().settings.empty()) {
    SettingsReader r(entry().settings);
    if (!r.KnownVersion(kKnownVersion)) return false;
    type = r.Word();
    horizontal = r.Word();
    vertical = r.Word();
    r.Counted();  // a picture: none in this program
    font = r.Counted();
    caption = r.CountedText();
    if (r.failed()) return false;
  }
  style |= WS_CHILD | WS_CLIPSIBLINGS | BS_MULTILINE;
  style |= type == 1 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  style |= horizontal == 0 ? BS_LEFT : horizontal == 2 ? BS_RIGHT : BS_CENTER;
  style |= vertical == 0 ? BS_TOP : vertical == 2 ? BS_BOTTOM : BS_VCENTER;

  if (!CreateChild("BUTTON", caption.c_str(), style, parent, childId)) return false;
  SetFont(hwnd(), DesignedFont(font, font_));
  return true;
}

void PushButton::OnCommand(WORD code) {
  if (code == BN_CLICKED) Fire(event::button::kClicked);
}

}  // namespace lf
