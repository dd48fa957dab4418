#include "ui/gdi.h"

namespace toolbox::ui {

BufferedPaint::BufferedPaint(HWND hwnd) : hwnd_(hwnd) {
  BeginPaint(hwnd_, &paint_);
  GetClientRect(hwnd_, &client_);
  memory_dc_ = CreateCompatibleDC(paint_.hdc);
  if (!memory_dc_) {
    return;
  }
  bitmap_.reset(CreateCompatibleBitmap(paint_.hdc, client_.right, client_.bottom));
  if (!bitmap_) {
    DeleteDC(memory_dc_);
    memory_dc_ = nullptr;
    return;
  }
  old_bitmap_ = SelectObject(memory_dc_, bitmap_.get());
}

BufferedPaint::~BufferedPaint() {
  if (memory_dc_) {
    const RECT& dirty = paint_.rcPaint;
    BitBlt(paint_.hdc, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top,
           memory_dc_, dirty.left, dirty.top, SRCCOPY);
    SelectObject(memory_dc_, old_bitmap_);
    DeleteDC(memory_dc_);
  }
  EndPaint(hwnd_, &paint_);
}

}  // namespace toolbox::ui
