#include "app/copy_text.h"

#include <string>

#include "win/clipboard.h"

namespace lf {

namespace {

DWORD LastError() {
  DWORD error = GetLastError();
  return error != 0 ? error : ERROR_GEN_FAILURE;
}

std::wstring FromAnsi(std::string_view text) {
  if (text.empty()) return {};
  int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
  if (length > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

}  // namespace

DWORD CopyText(HWND owner, std::string_view text) {
  std::string ansi(text);
  std::wstring wide = FromAnsi(text);
  // With their terminating NULs.
  OwnedGlobal ansiBlock = GlobalCopy(ansi.c_str(), ansi.size() + 1);
  OwnedGlobal wideBlock = GlobalCopy(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  if (!ansiBlock || !wideBlock) return ERROR_NOT_ENOUGH_MEMORY;
  ClipboardScope clipboard(owner);
  if (!clipboard.ok() || !ClipboardEmpty()) return LastError();
  if (!ClipboardPut(CF_TEXT, ansiBlock) || !ClipboardPut(CF_UNICODETEXT, wideBlock)) return LastError();
  return 0;
}

}  // namespace lf
