#pragma once
// The application state that lives from start-up to the end.

#include <cstdint>
#include <string>

namespace lf {

struct ProcessState {
  bool oleStarted = false;
  bool loopRunning = false;
  std::string programDirectory;  // without a trailing backslash
  std::string programFileName;
};

ProcessState& Process();

// The cleanup shared by the orderly end and EndProcess.
void Cleanup(std::int32_t code);

}  // namespace lf
