// Thin owners of GDI objects and device contexts.
#pragma once

#include <windows.h>

#include <utility>

namespace toolbox::ui {

// Owns one GDI object (font, bitmap, brush, pen) and deletes it.
template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      reset(std::exchange(other.handle_, nullptr));
    }
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  ~GdiObject() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void reset(Handle handle = nullptr) {
    if (handle_) {
      DeleteObject(handle_);
    }
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;

// Selects an object into a DC for the lifetime of the guard.
class SelectObjectGuard {
 public:
  SelectObjectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  SelectObjectGuard(const SelectObjectGuard&) = delete;
  SelectObjectGuard& operator=(const SelectObjectGuard&) = delete;
  ~SelectObjectGuard() { SelectObject(dc_, old_); }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// WM_PAINT through an off-screen bitmap, so hover changes do not flicker.
// Paint into dc(); the destructor copies the invalid part to the window.
class BufferedPaint {
 public:
  explicit BufferedPaint(HWND hwnd);
  BufferedPaint(const BufferedPaint&) = delete;
  BufferedPaint& operator=(const BufferedPaint&) = delete;
  ~BufferedPaint();

  HDC dc() const { return memory_dc_ ? memory_dc_ : paint_.hdc; }

 private:
  HWND hwnd_;
  PAINTSTRUCT paint_{};
  RECT client_{};
  HDC memory_dc_ = nullptr;
  Bitmap bitmap_;
  HGDIOBJ old_bitmap_ = nullptr;
};

}  // namespace toolbox::ui
