// PNG and JPEG images for picture boxes and buttons: decoded once through
// GDI+ into a premultiplied 32-bit bitmap, then drawn with plain GDI.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>

#include "ui/gdi.h"

namespace toolbox::ui {

// GDI+ must be started before an image is decoded. One session for the
// program, held from start-up to the exit routine.
class GdiplusSession {
 public:
  GdiplusSession();
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;
  ~GdiplusSession();

  bool started() const { return token_ != 0; }

 private:
  ULONG_PTR token_ = 0;
};

class Image {
 public:
  Image(Bitmap bitmap, int width, int height, bool has_alpha)
      : bitmap_(std::move(bitmap)), width_(width), height_(height), has_alpha_(has_alpha) {}

  HBITMAP bitmap() const { return bitmap_.get(); }
  int width() const { return width_; }
  int height() const { return height_; }
  // Some pixel is not fully opaque: the image is blended over what lies under it.
  bool has_alpha() const { return has_alpha_; }

 private:
  Bitmap bitmap_;
  int width_ = 0;
  int height_ = 0;
  bool has_alpha_ = false;
};

// Nothing when the bytes are not an image GDI+ can read.
std::optional<Image> decode_image(std::span<const std::uint8_t> bytes);

// An RCDATA resource of `module` holding PNG or JPEG bytes.
std::optional<Image> load_image_resource(HINSTANCE module, int resource_id);

// Draws the image at its own size with its top-left corner at (x, y); the
// DC's clipping cuts what lies outside the control. `opacity` 255 is opaque.
void draw_image(HDC dc, const Image& image, int x, int y, std::uint8_t opacity = 255);

}  // namespace toolbox::ui
