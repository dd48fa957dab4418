// Sole owner of a platform handle that one function closes (an HINTERNET of
// WinHttp or WinINet, ...): closed when the owner goes, moved, never copied.
#pragma once

#include <utility>

namespace toolbox {

template <typename Handle, auto close_handle>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, Handle{});
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  void reset() {
    if (handle_) {
      close_handle(std::exchange(handle_, Handle{}));
    }
  }
  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }

 private:
  Handle handle_{};
};

}  // namespace toolbox
