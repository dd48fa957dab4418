#include "platform/variant.h"

// The automation API takes its source values by non-const pointer without
// writing them; the const_casts below rest on that.

#include <oleauto.h>

#include <cstring>
#include <utility>

#include "text/wide.h"

namespace toolbox {

Variant::Variant(const Variant& other) {
  VariantInit(&value_);
  VariantCopy(&value_, const_cast<VARIANT*>(&other.value_));
}

Variant::Variant(Variant&& other) noexcept : value_(other.value_) {
  VariantInit(&other.value_);
}

Variant& Variant::operator=(Variant other) noexcept {
  std::swap(value_, other.value_);
  return *this;
}

Variant Variant::text(std::string_view gbk) {
  return wide_text(to_wide(gbk));
}

Variant Variant::wide_text(std::wstring_view wide) {
  Variant result;
  result.value_.vt = VT_BSTR;
  result.value_.bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  return result;
}

Variant Variant::integer(long value) {
  Variant result;
  result.value_.vt = VT_I4;
  result.value_.lVal = value;
  return result;
}

Variant Variant::boolean(bool value) {
  Variant result;
  result.value_.vt = VT_BOOL;
  result.value_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  return result;
}

Variant Variant::bytes(std::span<const std::uint8_t> bytes) {
  Variant result;
  SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size()));
  if (!array) {
    return result;
  }
  void* data = nullptr;
  if (!bytes.empty() && SUCCEEDED(SafeArrayAccessData(array, &data))) {
    std::memcpy(data, bytes.data(), bytes.size());
    SafeArrayUnaccessData(array);
  }
  result.value_.vt = VT_ARRAY | VT_UI1;
  result.value_.parray = array;
  return result;
}

Variant Variant::missing() {
  Variant result;
  result.value_.vt = VT_ERROR;
  result.value_.scode = DISP_E_PARAMNOTFOUND;
  return result;
}

VARIANT* Variant::put() {
  VariantClear(&value_);
  return &value_;
}

std::wstring Variant::to_wide_text() const {
  if (value_.vt == VT_BSTR) {
    return value_.bstrVal ? std::wstring(value_.bstrVal, SysStringLen(value_.bstrVal)) : std::wstring();
  }
  VARIANT converted;
  VariantInit(&converted);
  std::wstring result;
  if (value_.vt != VT_EMPTY && value_.vt != VT_NULL &&
      SUCCEEDED(VariantChangeType(&converted, const_cast<VARIANT*>(&value_), 0, VT_BSTR)) && converted.bstrVal) {
    result.assign(converted.bstrVal, SysStringLen(converted.bstrVal));
  }
  VariantClear(&converted);
  return result;
}

Text Variant::to_text() const {
  return from_wide(to_wide_text());
}

std::optional<long> Variant::to_integer() const {
  VARIANT converted;
  VariantInit(&converted);
  std::optional<long> result;
  if (value_.vt != VT_EMPTY && SUCCEEDED(VariantChangeType(&converted, const_cast<VARIANT*>(&value_), 0, VT_I4))) {
    result = converted.lVal;
  }
  VariantClear(&converted);
  return result;
}

Bytes Variant::to_bytes() const {
  SAFEARRAY* array = nullptr;
  if (value_.vt == (VT_ARRAY | VT_UI1)) {
    array = value_.parray;
  } else if (value_.vt == (VT_ARRAY | VT_UI1 | VT_BYREF) && value_.pparray) {
    array = *value_.pparray;
  }
  if (!array || SafeArrayGetDim(array) != 1) {
    return {};
  }
  LONG lower = 0;
  LONG upper = -1;
  SafeArrayGetLBound(array, 1, &lower);
  SafeArrayGetUBound(array, 1, &upper);
  Bytes bytes;
  void* data = nullptr;
  if (upper >= lower && SUCCEEDED(SafeArrayAccessData(array, &data))) {
    const auto* first = static_cast<const std::uint8_t*>(data);
    bytes.assign(first, first + (static_cast<std::size_t>(upper - lower) + 1));
    SafeArrayUnaccessData(array);
  }
  return bytes;
}

ComPtr<IDispatch> Variant::to_dispatch() const {
  ComPtr<IDispatch> result;
  if (value_.vt == VT_DISPATCH && value_.pdispVal) {
    value_.pdispVal->QueryInterface(IID_IDispatch, result.put_void());
  } else if (value_.vt == VT_UNKNOWN && value_.punkVal) {
    value_.punkVal->QueryInterface(IID_IDispatch, result.put_void());
  }
  return result;
}

}  // namespace toolbox
