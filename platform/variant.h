// An owned automation value (VARIANT): cleared when the holder goes, deeply
// copied when it is copied. Texts go in and out as GBK; byte arrays as
// one-dimensional arrays of VT_UI1.
#pragma once

#include <oaidl.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/com_ptr.h"
#include "text/text.h"

namespace toolbox {

class Variant {
 public:
  Variant() { VariantInit(&value_); }
  Variant(const Variant& other);
  Variant(Variant&& other) noexcept;
  Variant& operator=(Variant other) noexcept;
  ~Variant() { VariantClear(&value_); }

  static Variant text(std::string_view gbk);
  static Variant wide_text(std::wstring_view wide);
  static Variant integer(long value);
  static Variant boolean(bool value);
  static Variant bytes(std::span<const std::uint8_t> bytes);
  // An optional argument left out.
  static Variant missing();

  const VARIANT* get() const { return &value_; }
  // Clears the value and hands it out to be written (an out parameter).
  VARIANT* put();

  bool is_empty() const { return value_.vt == VT_EMPTY; }
  // The value as a string (numbers converted), in GBK; empty when it has none.
  Text to_text() const;
  std::wstring to_wide_text() const;
  std::optional<long> to_integer() const;
  // The bytes of a byte array (also one held by reference); empty otherwise.
  Bytes to_bytes() const;
  // The dispatch interface of an object value.
  ComPtr<IDispatch> to_dispatch() const;

 private:
  VARIANT value_;
};

}  // namespace toolbox
