#pragma once
// The live object of a window or control of one of the kinds: it turns what
// the platform reports into numbered events.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "core/description.h"
#include "core/values.h"
#include "win/window_procedure.h"

namespace lf {

class Control {
 public:
  Control(std::uint32_t windowId, const ControlEntry& entry) : windowId_(windowId), entry_(entry) {}
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  HWND hwnd() const { return hwnd_; }
  const ControlEntry& entry() const { return entry_; }
  std::uint32_t windowId() const { return windowId_; }

  // Raises an event of this source; true when a handler ran. The record
  // comes back with the handler's answer.
  bool Fire(std::int32_t number, std::vector<std::int32_t> arguments = {});
  // Raises a question; yes unless a handler ran and answered no (0).
  bool Ask(std::int32_t number);

  // What the parent window hands on.
  virtual void OnCommand(WORD /*code*/) {}
  virtual bool OnNotify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
  // The answer to a colour question, or nullptr for none.
  virtual HBRUSH OnColour(HDC /*dc*/) { return nullptr; }
  // Whether the control wants a key (Tab, Enter, Esc) for itself.
  virtual bool ClaimsKey(UINT /*virtualKey*/) const { return false; }
  // A key pressed with Ctrl, Shift or Alt while the control has the focus,
  // other than the window's own Tab; true when the control carried it out.
  virtual bool TakeShortcut(UINT /*virtualKey*/, bool /*ctrl*/, bool /*shift*/, bool /*alt*/) { return false; }
  // WM_CONTEXTMENU from the control: the point on the screen, or -1, -1
  // from the keyboard; true when the control took it.
  virtual bool OnContextMenu(POINT /*screen*/) { return false; }

  // The kind's own properties (numbers from property::kFirstOwn); false
  // when the kind has no such one.
  virtual bool ReadProperty(std::int32_t /*number*/, Text& /*value*/) { return false; }
  virtual bool WriteProperty(std::int32_t /*number*/, const Text& /*value*/) { return false; }

  // The control of a window handle, or nullptr.
  static Control* FromHandle(HWND window);
  // The subclass procedure of every child: raises -7 and -8.
  static WindowProcedure FocusWatch;

 protected:
  // Takes the created platform window: links it to this object and, for a
  // child, watches its focus for the events -7 and -8.
  void Adopt(HWND window, bool watchFocus);
  // Creates the platform window of a control at the entry's place and
  // adopts it; false when the platform refuses.
  bool CreateChild(const char* windowClass, const char* text, DWORD style, HWND parent, int childId);

 private:
  std::uint32_t windowId_;
  const ControlEntry& entry_;
  HWND hwnd_ = nullptr;
};

}  // namespace lf
