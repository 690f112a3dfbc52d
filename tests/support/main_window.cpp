#include "support/main_window.h"

#include <commctrl.h>

#include "app/link_commands.h"
#include "app/program.h"
#include "app/registry.h"
#include "core/designed.h"
#include "support/ui.h"

namespace lf::test {

std::vector<RecordedEvent> MainWindowTest::recorded;
UINT MainWindowTest::menuChoice = 0;
std::optional<std::string> MainWindowTest::savePath;
std::vector<std::vector<MenuItemSeen>> MainWindowTest::menusShown;
std::vector<POINT> MainWindowTest::menuPoints;
std::vector<std::string> MainWindowTest::errorsShown;

namespace {

UINT StandInMenu(HMENU menu, HWND, POINT screen) {
  std::vector<MenuItemSeen> items;
  for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
    char text[128] = {};
    GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
    items.push_back({text, (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)) == 0});
  }
  MainWindowTest::menusShown.push_back(std::move(items));
  MainWindowTest::menuPoints.push_back(screen);
  return MainWindowTest::menuChoice;
}

std::optional<std::string> StandInSaveDialog(HWND, const SaveQuestion&) { return MainWindowTest::savePath; }

void StandInErrorBox(HWND, const char* text, const char* title) {
  MainWindowTest::errorsShown.push_back(std::string(title) + "\n" + text);
}

const LinkCommandUi kStandInUi{StandInMenu, StandInSaveDialog, StandInErrorBox};

}  // namespace

void MainWindowTest::SetUp() {
  recorded.clear();
  menuChoice = 0;
  savePath.reset();
  menusShown.clear();
  menuPoints.clear();
  errorsShown.clear();
  StartUp();
  ReplaceLinkCommandUiForTesting(&kStandInUi);
}

void MainWindowTest::TearDown() {
  if (HWND main = Main(); main != nullptr && IsWindow(main)) DestroyWindow(main);
  PumpFor(std::chrono::milliseconds(20));
  ReplaceLinkCommandUiForTesting(nullptr);
}

void MainWindowTest::Recorder(EventRecord& event) {
  HWND main = nullptr;
  if (Control* window = LiveControl<Control>(kMainWindowId, kMainWindowEntryId)) main = window->hwnd();
  recorded.push_back({event.sourceId, event.number, event.arguments, main != nullptr && IsWindowVisible(main)});
}

void MainWindowTest::Bind(std::uint32_t entryId, std::int32_t number, Handler handler) {
  LoadedWindow* window = FindLoadedWindow(kMainWindowId);
  ASSERT_NE(window, nullptr);
  for (auto& entry : window->description.entries)
    if (entry.id == entryId) entry.bindings.insert(entry.bindings.begin(), Binding{number, handler});
}

void MainWindowTest::Record(std::uint32_t entryId, std::int32_t number) { Bind(entryId, number, Recorder); }

void MainWindowTest::Load() {
  LoadAsTheProgramDoes();
  Activate(Main());
}

void MainWindowTest::LoadAsTheProgramDoes() {
  LoadWindow(kMainWindowId);
  ASSERT_NE(Main(), nullptr);
}

namespace {
HWND HandleOf(std::uint32_t entryId) {
  Control* control = LiveControl<Control>(kMainWindowId, entryId);
  return control == nullptr ? nullptr : control->hwnd();
}
}  // namespace

HWND MainWindowTest::Main() const { return HandleOf(kMainWindowEntryId); }
HWND MainWindowTest::Field() const { return HandleOf(kAddressFieldId); }
HWND MainWindowTest::List() const { return HandleOf(kLinkListId); }
HWND MainWindowTest::Button() const { return HandleOf(kFindButtonId); }

LinkList& MainWindowTest::list() const { return *LiveControl<LinkList>(kMainWindowId, kLinkListId); }

std::vector<std::string> MainWindowTest::Rows() const {
  std::vector<std::string> rows;
  int count = static_cast<int>(SendMessageA(List(), LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) rows.emplace_back(ListGetItemText(list(), i).view());
  return rows;
}

std::vector<std::int32_t> MainWindowTest::NumbersOf(std::uint32_t sourceId) const {
  std::vector<std::int32_t> numbers;
  for (const auto& e : recorded)
    if (e.sourceId == sourceId) numbers.push_back(e.number);
  return numbers;
}

}  // namespace lf::test
