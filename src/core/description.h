#pragma once
// Window descriptions: what LoadWindow builds a window and its controls
// from. Held in the program as a resource of its own binary form (see
// resources/describe_windows.py, which writes it).

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/events.h"

namespace lf {

struct Binding {
  std::int32_t number = 0;
  Handler handler = nullptr;  // none when the binding names no known routine
};

struct ControlEntry {
  std::uint32_t id = 0;
  std::uint32_t kind = 0;
  std::string name;
  std::int32_t left = 0, top = 0, width = 0, height = 0;
  std::uint32_t container = 0;
  std::vector<std::uint8_t> mousePointer;
  std::string tag;
  bool visible = false, disabled = false, tabStop = false;
  std::int32_t tabOrder = 0;
  std::vector<Binding> bindings;
  std::vector<std::uint8_t> settings;  // the kind's own, in its stored order
};

struct WindowDescription {
  std::uint32_t windowId = 0;
  std::vector<ControlEntry> entries;  // the window's own entry first
};

using HandlerResolver = Handler (*)(std::string_view routineName);

// Reads every description from `data`; false when the data is malformed.
bool ParseDescriptions(std::span<const std::uint8_t> data, HandlerResolver resolve,
                       std::vector<WindowDescription>& out);

// Reads a kind's stored settings in order: little-endian words and counted
// runs. Any read past the end marks the reader failed.
class SettingsReader {
 public:
  explicit SettingsReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint32_t Word();
  // Reads the settings' version word: false when it is missing or newer
  // than the `known` one.
  bool KnownVersion(std::uint32_t known) {
    std::uint32_t version = Word();
    return !failed_ && version <= known;
  }
  std::uint16_t Half();
  std::span<const std::uint8_t> Counted();  // a word count, then that many bytes
  std::string CountedText() {
    auto run = Counted();
    return {reinterpret_cast<const char*>(run.data()), run.size()};
  }
  bool failed() const { return failed_; }
  bool atEnd() const { return pos_ == bytes_.size(); }

 private:
  std::span<const std::uint8_t> Take(std::size_t n);
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
  bool failed_ = false;
};

}  // namespace lf
