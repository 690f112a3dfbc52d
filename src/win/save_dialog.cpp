#include "win/save_dialog.h"

#include <commdlg.h>

#include <vector>

namespace lf {

std::optional<std::string> AskWhereToSave(HWND owner, const SaveQuestion& question) {
  // Room for a long path typed into the name field.
  std::vector<char> path(32768, '\0');
  lstrcpynA(path.data(), question.defaultName, static_cast<int>(path.size()));
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = question.filter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrDefExt = question.defaultExtension;
  dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetSaveFileNameA(&dialog)) return std::nullopt;
  return std::string(path.data());
}

}  // namespace lf
