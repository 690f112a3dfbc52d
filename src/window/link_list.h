#pragma once
// The kind 超级列表框: the report-style list of links, and the five
// operations through which the rest of the program uses it. Copying and its
// menu are asked of the application through the event sink.

#include <cstdint>
#include <optional>

#include "win/gdi.h"
#include "window/control.h"

namespace lf {

class LinkList : public Control {
 public:
  using Control::Control;

  bool Create(HWND parent, int childId, DWORD style);
  bool OnNotify(const NMHDR& header, LRESULT& result) override;
  // Ctrl+C and Ctrl+Insert ask to copy the selected entry.
  bool TakeShortcut(UINT virtualKey, bool ctrl, bool shift, bool alt) override;
  // The menu, for the entry under the pointer or, from the keyboard, the
  // selected one.
  bool OnContextMenu(POINT screen) override;

 private:
  OwnedFont font_;
};

// The optional arguments are left out with std::nullopt. A position that is
// left out or negative means after the last column or entry.
void ListDeleteColumn(LinkList& list, std::int32_t column);
// Width 50 unless given (a negative one is 0); alignment 1 centre, 2 right,
// else left; an image below 0 is none.
std::int32_t ListInsertColumn(LinkList& list, std::optional<std::int32_t> position = {}, const Text* title = nullptr,
                              std::optional<std::int32_t> width = {}, std::optional<std::int32_t> alignment = {},
                              std::optional<std::int32_t> image = {});
// An entry with no image, indent 0, data 0, neither selected nor focused.
std::int32_t ListInsertItem(LinkList& list, std::optional<std::int32_t> position = {}, const char* title = nullptr);
IndexArray ListGetSelected(LinkList& list);
Text ListGetItemText(LinkList& list, std::int32_t entry, std::optional<std::int32_t> column = {});

// Holds the list's redrawing off for a batch of changes, then redraws it.
class ListBatch {
 public:
  explicit ListBatch(LinkList& list);
  ListBatch(const ListBatch&) = delete;
  ListBatch& operator=(const ListBatch&) = delete;
  ~ListBatch();

 private:
  HWND list_;
};

}  // namespace lf
