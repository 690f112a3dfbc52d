#pragma once
// The font of a control: the designed LOGFONT when the settings hold one,
// otherwise the platform's default GUI font.

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <span>

#include "win/gdi.h"

namespace lf {

// Creates the designed font into `owner` (which keeps it alive) and returns
// the font to use.
inline HFONT DesignedFont(std::span<const std::uint8_t> logFont, OwnedFont& owner) {
  if (logFont.size() == sizeof(LOGFONTA)) {
    LOGFONTA font;
    std::memcpy(&font, logFont.data(), sizeof font);
    owner.reset(CreateFontIndirectA(&font));
    if (owner) return owner.get();
  }
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace lf
