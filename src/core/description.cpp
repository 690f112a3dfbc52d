#include "core/description.h"

namespace lf {

std::span<const std::uint8_t> SettingsReader::Take(std::size_t n) {
  if (failed_ || n > bytes_.size() - pos_) {
    failed_ = true;
    return {};
  }
  auto run = bytes_.subspan(pos_, n);
  pos_ += n;
  return run;
}

std::uint32_t SettingsReader::Word() {
  auto b = Take(4);
  return b.empty()
             ? 0
             : std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24;
}

std::uint16_t SettingsReader::Half() {
  auto b = Take(2);
  return b.empty() ? 0 : static_cast<std::uint16_t>(b[0] | b[1] << 8);
}

std::span<const std::uint8_t> SettingsReader::Counted() { return Take(Word()); }

namespace {
constexpr std::uint32_t kMagic = 0x4457464C;  // "LFWD"
constexpr std::uint32_t kFormat = 1;
}  // namespace

bool ParseDescriptions(std::span<const std::uint8_t> data, HandlerResolver resolve,
                       std::vector<WindowDescription>& out) {
  SettingsReader r(data);
  if (r.Word() != kMagic || r.Word() != kFormat) return false;
  std::uint32_t windowCount = r.Word();
  std::vector<WindowDescription> windows;
  for (std::uint32_t w = 0; w < windowCount && !r.failed(); ++w) {
    WindowDescription window;
    window.windowId = r.Word();
    std::uint32_t entryCount = r.Word();
    for (std::uint32_t e = 0; e < entryCount && !r.failed(); ++e) {
      ControlEntry entry;
      entry.id = r.Word();
      entry.kind = r.Word();
      entry.name = r.CountedText();
      entry.left = static_cast<std::int32_t>(r.Word());
      entry.top = static_cast<std::int32_t>(r.Word());
      entry.width = static_cast<std::int32_t>(r.Word());
      entry.height = static_cast<std::int32_t>(r.Word());
      entry.container = r.Word();
      auto pointer = r.Counted();
      entry.mousePointer.assign(pointer.begin(), pointer.end());
      entry.tag = r.CountedText();
      std::uint32_t flags = r.Word();
      entry.visible = flags & 1;
      entry.disabled = flags & 2;
      entry.tabStop = flags & 4;
      entry.tabOrder = static_cast<std::int32_t>(r.Word());
      std::uint32_t bindingCount = r.Word();
      for (std::uint32_t b = 0; b < bindingCount && !r.failed(); ++b) {
        Binding binding;
        binding.number = static_cast<std::int32_t>(r.Word());
        std::string routine = r.CountedText();
        binding.handler = routine.empty() || resolve == nullptr ? nullptr : resolve(routine);
        entry.bindings.push_back(binding);
      }
      auto settings = r.Counted();
      entry.settings.assign(settings.begin(), settings.end());
      window.entries.push_back(std::move(entry));
    }
    windows.push_back(std::move(window));
  }
  if (r.failed() || !r.atEnd()) return false;
  out = std::move(windows);
  return true;
}

}  // namespace lf
