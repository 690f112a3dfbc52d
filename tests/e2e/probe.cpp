// Reads the state of a running linkfinder window from another process, the
// way an end-to-end test needs it, without any hook in the program:
//   lfprobe            one report of the window
//   lfprobe cursor     only the pointer shown, without a message to the
//                      program, so that it answers while the program is busy:
//                      cursor <handle> (a handle value of the program's
//                      process, comparable only with another such reading)
// Output lines (texts as hex of their GBK bytes):
//   window <left> <top> <right> <bottom>
//   title <hex>
//   focus <control id, 0 for the window, -1 for none>
//   columns <width>...
//   items <count>
//   item <hex>            (one line per entry, top to bottom)
//   label <index> <left> <top> <right> <bottom>
//                         (screen rectangle of the text of each visible entry)
//   toplevel <count>      (visible top-level windows of the program: a box
//                          that the program showed makes it more than 1)
//   error <text>          (the list cannot be read by this probe)
// Exit code 1 when no window is found, 2 after an error line.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

void PrintHex(const char* label, const std::string& bytes) {
  std::printf("%s ", label);
  for (unsigned char c : bytes) std::printf("%02x", c);
  std::printf("\n");
}

// Memory in the other process, freed with the scope.
class RemoteBlock {
 public:
  RemoteBlock(HANDLE process, SIZE_T size)
      : process_(process), address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {}
  RemoteBlock(const RemoteBlock&) = delete;
  RemoteBlock& operator=(const RemoteBlock&) = delete;
  ~RemoteBlock() {
    if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  }
  char* get() const { return static_cast<char*>(address_); }

 private:
  HANDLE process_;
  void* address_;
};

std::string ItemText(HWND list, HANDLE process, int item) {
  constexpr SIZE_T kTextRoom = 1 << 20;
  RemoteBlock block(process, sizeof(LVITEMA) + kTextRoom);
  if (block.get() == nullptr) return {};
  LVITEMA request{};
  request.iSubItem = 0;
  request.pszText = block.get() + sizeof(LVITEMA);
  request.cchTextMax = static_cast<int>(kTextRoom);
  WriteProcessMemory(process, block.get(), &request, sizeof request, nullptr);
  auto length = SendMessageA(list, LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(block.get()));
  std::string text(static_cast<std::size_t>(length), '\0');
  ReadProcessMemory(process, request.pszText, text.data(), text.size(), nullptr);
  return text;
}

// Screen rectangle of an entry's text, where a click selects the entry.
bool LabelRect(HWND list, HANDLE process, int item, RECT* out) {
  RemoteBlock block(process, sizeof(RECT));
  if (block.get() == nullptr) return false;
  RECT request{};
  request.left = LVIR_LABEL;
  WriteProcessMemory(process, block.get(), &request, sizeof request, nullptr);
  if (!SendMessageA(list, LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(block.get()))) return false;
  ReadProcessMemory(process, block.get(), out, sizeof *out, nullptr);
  MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(out), 2);
  return true;
}

// LVITEMA differs between 32 and 64 bits, so only a probe of the program's
// own bitness can read its list.
bool SameBitness(HANDLE process) {
  BOOL mine = FALSE, theirs = FALSE;
  return IsWow64Process(GetCurrentProcess(), &mine) && IsWow64Process(process, &theirs) && mine == theirs;
}

struct TopLevelCount {
  DWORD processId;
  int count;
};

BOOL CALLBACK CountTopLevel(HWND window, LPARAM param) {
  auto* counter = reinterpret_cast<TopLevelCount*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == counter->processId && IsWindowVisible(window)) ++counter->count;
  return TRUE;
}

void PrintCursor() {
  CURSORINFO shown{};
  shown.cbSize = sizeof shown;
  GetCursorInfo(&shown);
  std::printf("cursor %llx\n", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(shown.hCursor)));
}

}  // namespace

int main(int argc, char** argv) {
  HWND window = FindWindowA("LinkFinderWindow", nullptr);
  if (window == nullptr) return 1;
  if (argc > 1 && std::strcmp(argv[1], "cursor") == 0) {
    PrintCursor();
    return 0;
  }
  RECT r;
  GetWindowRect(window, &r);
  std::printf("window %ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
  char title[1024] = {};
  GetWindowTextA(window, title, sizeof title);
  PrintHex("title", title);

  DWORD processId = 0;
  DWORD threadId = GetWindowThreadProcessId(window, &processId);
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  int focus = -1;
  if (GetGUIThreadInfo(threadId, &gui) && gui.hwndFocus != nullptr)
    focus = gui.hwndFocus == window ? 0 : GetDlgCtrlID(gui.hwndFocus);
  std::printf("focus %d\n", focus);

  TopLevelCount counter{processId, 0};
  EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&counter));
  std::printf("toplevel %d\n", counter.count);

  HWND list = FindWindowExA(window, nullptr, WC_LISTVIEWA, nullptr);
  if (list == nullptr) return 0;
  HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  int columns = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
  std::printf("columns");
  for (int c = 0; c < columns; ++c) std::printf(" %d", static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, c, 0)));
  std::printf("\n");
  int items = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  std::printf("items %d\n", items);
  HANDLE process = OpenProcess(
      PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
  if (process == nullptr) return 0;
  if (!SameBitness(process)) {
    std::printf("error the program's bitness is not this probe's: use the probe of the program's build\n");
    CloseHandle(process);
    return 2;
  }
  for (int i = 0; i < items; ++i) PrintHex("item", ItemText(list, process, i));
  int top = static_cast<int>(SendMessageA(list, LVM_GETTOPINDEX, 0, 0));
  int visible = static_cast<int>(SendMessageA(list, LVM_GETCOUNTPERPAGE, 0, 0));
  RECT rect;
  for (int i = top; i < items && i <= top + visible; ++i)
    if (LabelRect(list, process, i, &rect))
      std::printf("label %d %ld %ld %ld %ld\n", i, rect.left, rect.top, rect.right, rect.bottom);
  CloseHandle(process);
  return 0;
}
