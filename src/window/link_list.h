#pragma once
// The kind 超级列表框: the report-style list of links, and the five
// operations through which the rest of the program uses it.

#include <cstdint>
#include <optional>

#include "window/control.h"
#include "window/gdi.h"

namespace lf {

class LinkList : public Control {
 public:
  using Control::Control;

  bool Create(HWND parent, int childId, DWORD style);
  bool OnNotify(const NMHDR& header, LRESULT& result) override;

 private:
  OwnedFont font_;
};

// The optional arguments are left out with std::nullopt.
void ListDeleteColumn(LinkList& list, std::int32_t column);
std::int32_t ListInsertColumn(LinkList& list, std::optional<std::int32_t> position = {}, const Text* title = nullptr,
                              std::optional<std::int32_t> width = {}, std::optional<std::int32_t> alignment = {},
                              std::optional<std::int32_t> image = {}, std::optional<bool> imageOnRight = {});
std::int32_t ListInsertItem(LinkList& list, std::optional<std::int32_t> position = {}, const char* title = nullptr,
                            std::optional<std::int32_t> image = {}, std::optional<std::int32_t> checkState = {},
                            std::optional<std::int32_t> indent = {}, std::optional<std::int32_t> data = {});
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
