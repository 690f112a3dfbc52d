#pragma once
// The value types of the system. Each is a move-only holder of blocks from
// AllocateBlock, released when its owner's scope ends (or by Release() at an
// earlier fixed point). An absent value and an empty one behave alike.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/constants.h"
#include "core/fatal.h"
#include "core/memory.h"

namespace lf {

// A NUL-terminated run of bytes in the system's ANSI code page.
class Text {
 public:
  Text() noexcept = default;  // the absent text

  // A new text holding a copy of the bytes (which should hold no NUL).
  static Text Copy(std::string_view bytes);
  // A text of `size` bytes whose contents the caller fills through data().
  static Text Uninitialized(std::size_t size);
  // One of the system's constant texts (kConstants); never freed.
  static Text Constant(const char* constant) noexcept;
  // Takes over a block from AllocateBlock/ResizeBlock that holds `size`
  // bytes and a NUL behind them.
  static Text Adopt(char* block, std::size_t size) noexcept { return Text(block, size); }

  Text(Text&& other) noexcept : bytes_(std::exchange(other.bytes_, nullptr)), size_(std::exchange(other.size_, 0)) {}
  Text& operator=(Text&& other) noexcept {
    if (this != &other) {
      Release();
      bytes_ = std::exchange(other.bytes_, nullptr);
      size_ = std::exchange(other.size_, 0);
    }
    return *this;
  }
  Text(const Text&) = delete;
  Text& operator=(const Text&) = delete;
  ~Text() { Release(); }

  void Release() noexcept;

  // Never null: the absent text reads as the empty text.
  const char* c_str() const noexcept { return bytes_ ? bytes_ : kConstants.emptyText; }
  char* data() noexcept { return bytes_; }
  std::size_t size() const noexcept { return size_; }
  bool empty() const noexcept { return size_ == 0; }
  bool absent() const noexcept { return bytes_ == nullptr; }
  std::string_view view() const noexcept { return {c_str(), size_}; }

 private:
  Text(char* bytes, std::size_t size) noexcept : bytes_(bytes), size_(size) {}
  char* bytes_ = nullptr;
  std::size_t size_ = 0;
};

// A counted run of bytes that may hold zero bytes anywhere.
class ByteSet {
 public:
  ByteSet() noexcept = default;  // the empty byte set

  static ByteSet Copy(const void* bytes, std::size_t size);
  // Takes over a block from AllocateBlock/ResizeBlock holding `size` bytes.
  static ByteSet Adopt(void* block, std::size_t size) noexcept {
    return ByteSet(static_cast<unsigned char*>(block), size);
  }

  ByteSet(ByteSet&& other) noexcept
      : bytes_(std::exchange(other.bytes_, nullptr)), size_(std::exchange(other.size_, 0)) {}
  ByteSet& operator=(ByteSet&& other) noexcept {
    if (this != &other) {
      Release();
      bytes_ = std::exchange(other.bytes_, nullptr);
      size_ = std::exchange(other.size_, 0);
    }
    return *this;
  }
  ByteSet(const ByteSet&) = delete;
  ByteSet& operator=(const ByteSet&) = delete;
  ~ByteSet() { Release(); }

  void Release() noexcept;
  // Gives up the block (nullptr for the empty byte set) to the caller, who
  // releases it; the byte set is empty afterwards.
  void* TakeBlock() noexcept {
    size_ = 0;
    return std::exchange(bytes_, nullptr);
  }

  const unsigned char* data() const noexcept { return bytes_; }
  std::size_t size() const noexcept { return size_; }
  bool empty() const noexcept { return size_ == 0; }
  std::string_view view() const noexcept { return {reinterpret_cast<const char*>(bytes_), size_}; }

 private:
  ByteSet(unsigned char* bytes, std::size_t size) noexcept : bytes_(bytes), size_(size) {}
  unsigned char* bytes_ = nullptr;
  std::size_t size_ = 0;
};

// A standard allocator over the block operations, so that the arrays'
// storage lives in blocks too.
template <class T>
struct BlockAllocator {
  using value_type = T;
  BlockAllocator() noexcept = default;
  template <class U>
  BlockAllocator(const BlockAllocator<U>&) noexcept {}
  T* allocate(std::size_t n) {
    if (n > std::numeric_limits<std::size_t>::max() / sizeof(T))
      ReportAllocationFailure(std::numeric_limits<std::size_t>::max());
    return static_cast<T*>(AllocateBlock(n * sizeof(T)));
  }
  void deallocate(T* p, std::size_t) noexcept { ReleaseBlock(p); }
  friend bool operator==(const BlockAllocator&, const BlockAllocator&) noexcept { return true; }
};

// A string whose storage is a block: its failure to grow is the allocation
// failure, with the size asked for.
using BlockString = std::basic_string<char, std::char_traits<char>, BlockAllocator<char>>;

// Reads a member index that must lie in 1..count: the fatal array errors
// otherwise (code 4 below 1, code 1 above the count).
void CheckMemberIndex(std::int32_t index, std::size_t count);

// An ordered array of members indexed from 1; it owns its members.
template <class T>
class MemberArray {
 public:
  MemberArray() noexcept = default;
  MemberArray(MemberArray&&) noexcept = default;
  MemberArray& operator=(MemberArray&& other) noexcept {
    if (this != &other) {
      Release();  // the previous array goes first
      members_ = std::move(other.members_);
      other.members_.clear();
    }
    return *this;
  }
  MemberArray(const MemberArray&) = delete;
  MemberArray& operator=(const MemberArray&) = delete;

  void Release() noexcept { std::vector<T, BlockAllocator<T>>().swap(members_); }

  std::int32_t Count() const noexcept { return static_cast<std::int32_t>(members_.size()); }
  bool empty() const noexcept { return members_.empty(); }

  // Member `index`, counted from 1.
  const T& Member(std::int32_t index) const {
    CheckMemberIndex(index, members_.size());
    return members_[static_cast<std::size_t>(index) - 1];
  }

  void Append(T member) { members_.push_back(std::move(member)); }
  void Reserve(std::size_t n) { members_.reserve(n); }

  auto begin() const noexcept { return members_.begin(); }
  auto end() const noexcept { return members_.end(); }

 private:
  std::vector<T, BlockAllocator<T>> members_;
};

using TextArray = MemberArray<Text>;
using IndexArray = MemberArray<std::int32_t>;

}  // namespace lf
