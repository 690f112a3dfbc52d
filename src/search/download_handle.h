#pragma once
// An owned WinINet handle, closed when its holder goes.

#include <windows.h>
#include <wininet.h>

#include <utility>

namespace lf {

class InternetHandle {
 public:
  InternetHandle() noexcept = default;
  explicit InternetHandle(HINTERNET handle) noexcept : handle_(handle) {}
  InternetHandle(InternetHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  InternetHandle& operator=(InternetHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  InternetHandle(const InternetHandle&) = delete;
  InternetHandle& operator=(const InternetHandle&) = delete;
  ~InternetHandle() { Reset(); }

  void Reset(HINTERNET handle = nullptr) noexcept {
    if (handle_ != nullptr) InternetCloseHandle(handle_);
    handle_ = handle;
  }

  HINTERNET get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != nullptr; }

 private:
  HINTERNET handle_ = nullptr;
};

}  // namespace lf
