#include "ui/image.h"

#include <objbase.h>
#include <gdiplus.h>

#include <cstring>

#include "platform/com_ptr.h"

namespace toolbox::ui {

namespace flat = Gdiplus::DllExports;

GdiplusSession::GdiplusSession() {
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok) {
    token_ = token;
  }
}

GdiplusSession::~GdiplusSession() {
  if (token_) {
    Gdiplus::GdiplusShutdown(token_);
  }
}

namespace {

// A read-only stream over a copy of the bytes; GDI+ reads images from streams.
ComPtr<IStream> stream_over(std::span<const std::uint8_t> bytes) {
  ComPtr<IStream> stream;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (!memory) {
    return stream;
  }
  void* target = GlobalLock(memory);
  std::memcpy(target, bytes.data(), bytes.size());
  GlobalUnlock(memory);
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, stream.put()))) {
    GlobalFree(memory);
  }
  return stream;
}

struct GdiplusBitmap {
  Gdiplus::GpBitmap* bitmap = nullptr;
  ~GdiplusBitmap() {
    if (bitmap) {
      flat::GdipDisposeImage(bitmap);
    }
  }
};

}  // namespace

std::optional<Image> decode_image(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) {
    return std::nullopt;
  }
  ComPtr<IStream> stream = stream_over(bytes);
  if (!stream) {
    return std::nullopt;
  }
  GdiplusBitmap source;
  if (flat::GdipCreateBitmapFromStream(stream.get(), &source.bitmap) != Gdiplus::Ok) {
    return std::nullopt;
  }
  UINT width = 0;
  UINT height = 0;
  flat::GdipGetImageWidth(source.bitmap, &width);
  flat::GdipGetImageHeight(source.bitmap, &height);
  if (width == 0 || height == 0) {
    return std::nullopt;
  }

  Gdiplus::GpRect whole(0, 0, static_cast<INT>(width), static_cast<INT>(height));
  Gdiplus::BitmapData pixels{};
  if (flat::GdipBitmapLockBits(source.bitmap, &whole, Gdiplus::ImageLockModeRead,
                               PixelFormat32bppPARGB, &pixels) != Gdiplus::Ok) {
    return std::nullopt;
  }

  // A top-down DIB section in the layout AlphaBlend wants: premultiplied BGRA.
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = -static_cast<LONG>(height);
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  bool has_alpha = false;
  if (bitmap) {
    const std::size_t row_bytes = std::size_t{width} * 4;
    for (UINT y = 0; y < height; ++y) {
      const auto* from = static_cast<const std::uint8_t*>(pixels.Scan0) +
                         static_cast<std::ptrdiff_t>(y) * pixels.Stride;
      auto* to = static_cast<std::uint8_t*>(bits) + y * row_bytes;
      std::memcpy(to, from, row_bytes);
      for (std::size_t x = 3; x < row_bytes && !has_alpha; x += 4) {
        has_alpha = to[x] != 0xFF;
      }
    }
  }
  flat::GdipBitmapUnlockBits(source.bitmap, &pixels);
  if (!bitmap) {
    return std::nullopt;
  }
  GdiFlush();
  return Image(std::move(bitmap), static_cast<int>(width), static_cast<int>(height), has_alpha);
}

std::optional<Image> load_image_resource(HINSTANCE module, int resource_id) {
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(resource_id), MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (!found) {
    return std::nullopt;
  }
  HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) {
    return std::nullopt;
  }
  return decode_image({static_cast<const std::uint8_t*>(data), SizeofResource(module, found)});
}

void draw_image(HDC dc, const Image& image, int x, int y, std::uint8_t opacity) {
  HDC source = CreateCompatibleDC(dc);
  if (!source) {
    return;
  }
  {
    SelectObjectGuard selected(source, image.bitmap());
    if (image.has_alpha() || opacity != 255) {
      BLENDFUNCTION blend{AC_SRC_OVER, 0, opacity,
                          static_cast<BYTE>(image.has_alpha() ? AC_SRC_ALPHA : 0)};
      AlphaBlend(dc, x, y, image.width(), image.height(), source, 0, 0, image.width(),
                 image.height(), blend);
    } else {
      BitBlt(dc, x, y, image.width(), image.height(), source, 0, 0, SRCCOPY);
    }
  }
  DeleteDC(source);
}

}  // namespace toolbox::ui
