#include "window/edit_field.h"

#include "core/description.h"
#include "core/designed.h"
#include "win/controls.h"
#include "window/designed_font.h"

namespace lf {

namespace {

constexpr std::uint32_t kKnownVersion = 2;

// The border settings: extended style, and whether WS_BORDER stays.
struct Border {
  DWORD exStyle;
  bool plainBorder;
};
Border BorderOf(std::uint32_t border) {
  switch (border) {
    case 1:
      return {WS_EX_CLIENTEDGE, false};
    case 2:
      return {WS_EX_DLGMODALFRAME, false};
    case 3:
      return {WS_EX_STATICEDGE, false};
    case 4:
      return {WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME, false};
    case 5:
      return {0, true};
    default:
      return {0, false};
  }
}

}  // namespace

bool EditField::Create(HWND parent, int childId, DWORD style) {
  SettingsReader r(entry().settings);
  std::uint32_t version = r.Word();
  if (r.failed() || version > kKnownVersion) return false;
  std::uint32_t border = r.Word();
  textColour_ = r.Word();
  backgroundColour_ = r.Word();
  bool hideSelection = r.Word() != 0;
  std::uint32_t maxLength = r.Word();
  multiLine_ = r.Word() != 0;
  std::uint32_t scrollBars = r.Word();
  std::uint32_t alignment = r.Word();
  std::uint32_t inputMode = r.Word();
  std::uint16_t passwordChar = r.Half();
  std::uint32_t letterCase = r.Word();
  r.Word();  // up-down buttons: none in this program
  r.Word();
  r.Word();
  std::uint32_t selStart = r.Word();
  std::uint32_t selLength = r.Word();
  auto font = r.Counted();
  std::string text = r.CountedText();
  if (version >= 2) {
    r.Counted();
    r.Counted();
  }
  if (r.failed()) return false;

  style |= WS_CHILD | WS_CLIPSIBLINGS;
  if (multiLine_) {
    style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
    if (scrollBars & 1) style |= WS_HSCROLL;
    if (scrollBars & 2) style |= WS_VSCROLL;
  } else {
    style |= ES_AUTOHSCROLL;
  }
  if (!hideSelection) style |= ES_NOHIDESEL;
  if (alignment == 1) style |= ES_CENTER;
  if (alignment == 2) style |= ES_RIGHT;
  if (inputMode == 1) style |= ES_READONLY;
  if (inputMode == 2) style |= ES_PASSWORD;
  if (letterCase == 1) style |= ES_LOWERCASE;
  if (letterCase == 2) style |= ES_UPPERCASE;
  readOnly_ = inputMode == 1;

  background_ = OwnedBrush(CreateSolidBrush(backgroundColour_));
  if (!CreateChild("EDIT", text.c_str(), style, parent, childId)) return false;
  HWND field = hwnd();

  HFONT useFont = DesignedFont(font, font_);
  if (!multiLine_) {
    // A single-line field is at least one line of its font high.
    WindowDc dc = ClientDc(field);
    SelectScope select(dc.get(), useFont);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc.get(), &metrics);
    int needed = metrics.tmHeight + 2 * GetSystemMetrics(SM_CYEDGE);
    if (entry().height < needed)
      SetWindowPos(field, nullptr, 0, 0, entry().width, needed, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SetFont(field, useFont);
  if (inputMode == 2) EditSetPasswordChar(field, passwordChar);
  EditLimitText(field, maxLength);
  EditSetSelection(field, selStart, selStart + selLength);
  EditScrollCaret(field);

  Border b = BorderOf(border);
  LONG_PTR plain = GetWindowLongPtrA(field, GWL_STYLE);
  SetWindowLongPtrA(field, GWL_STYLE,
                    b.plainBorder ? (plain | WS_BORDER) : (plain & ~static_cast<LONG_PTR>(WS_BORDER)));
  SetWindowLongPtrA(field, GWL_EXSTYLE, GetWindowLongPtrA(field, GWL_EXSTYLE) | static_cast<LONG_PTR>(b.exStyle));
  SetWindowPos(field, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

void EditField::OnCommand(WORD code) {
  if (code == EN_CHANGE) Fire(event::edit::kChanged);
}

HBRUSH EditField::OnColour(HDC dc) {
  SetTextColor(dc, textColour_);
  SetBkColor(dc, backgroundColour_);
  return background_.get();
}

bool EditField::ClaimsKey(UINT virtualKey) const {
  // A multi-line field that can be written in wants Enter for new lines.
  return virtualKey == VK_RETURN && multiLine_ && !readOnly_;
}

bool EditField::ReadProperty(std::int32_t number, Text& value) {
  if (number != property::kEditContent) return false;
  int length = GetWindowTextLengthA(hwnd());
  if (length <= 0) {
    value = Text();  // an empty field reads as the absent text
    return true;
  }
  Text content = Text::Uninitialized(static_cast<std::size_t>(length));
  int copied = GetWindowTextA(hwnd(), content.data(), length + 1);
  value = copied <= 0 ? Text() : Text::Copy(std::string_view(content.c_str(), static_cast<std::size_t>(copied)));
  return true;
}

}  // namespace lf
