// An owned reference to a COM interface: released when the holder goes,
// added to when it is copied.
#pragma once

#include <unknwn.h>

#include <utility>

namespace toolbox {

template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes over a reference the caller already owns.
  static ComPtr attach(Interface* pointer) {
    ComPtr result;
    result.pointer_ = pointer;
    return result;
  }
  ComPtr(const ComPtr& other) : pointer_(other.pointer_) {
    if (pointer_) {
      pointer_->AddRef();
    }
  }
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(pointer_, other.pointer_);
    return *this;
  }
  ~ComPtr() { reset(); }

  void reset() {
    if (Interface* pointer = std::exchange(pointer_, nullptr)) {
      pointer->Release();
    }
  }

  Interface* get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

  // For functions that hand out a new reference through an out parameter.
  Interface** put() {
    reset();
    return &pointer_;
  }
  void** put_void() { return reinterpret_cast<void**>(put()); }

 private:
  Interface* pointer_ = nullptr;
};

}  // namespace toolbox
