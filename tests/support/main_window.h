#pragma once
// A test fixture that builds the real MainWindow from its description in
// the test program, with recording handlers bound where a test wants them.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/events.h"
#include "window/link_list.h"

namespace lf::test {

// An item of a menu that the program showed.
struct MenuItemSeen {
  std::string text;
  bool enabled;
};

struct RecordedEvent {
  std::uint32_t sourceId;
  std::int32_t number;
  std::vector<std::int32_t> arguments;
  bool windowVisible;
};

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Binds the recorder to an event of an entry, ahead of any designed
  // binding. Only before Load().
  void Record(std::uint32_t entryId, std::int32_t number);
  // Binds a handler of the test, ahead of any designed binding.
  void Bind(std::uint32_t entryId, std::int32_t number, Handler handler);
  // Loads the window and brings it to the front with the focus, so that a
  // test's input reaches it whatever the desktop did before.
  void Load();
  // Loads the window as the program does and leaves its activation to the
  // start's own showing.
  void LoadAsTheProgramDoes();

  HWND Main() const;
  HWND Field() const;
  HWND List() const;
  HWND Button() const;
  LinkList& list() const;
  // The texts of the list's entries, top to bottom.
  std::vector<std::string> Rows() const;

  // The recorded events of one source.
  std::vector<std::int32_t> NumbersOf(std::uint32_t sourceId) const;

  static std::vector<RecordedEvent> recorded;

 public:
  // The link commands' menu, save dialog and error box would wait for a
  // person: here they record what they were asked and answer as set.
  static UINT menuChoice;                      // 0: the menu is left
  static std::optional<std::string> savePath;  // nothing: the dialog is cancelled
  static std::vector<std::vector<MenuItemSeen>> menusShown;
  static std::vector<POINT> menuPoints;
  static std::vector<std::string> errorsShown;  // title, a line break, the text

 private:
  static void Recorder(EventRecord& event);
};

}  // namespace lf::test
