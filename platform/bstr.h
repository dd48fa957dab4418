// An owned automation string (BSTR), freed when the holder goes. Made from
// GBK text, or handed out empty to a call that writes one.
#pragma once

#include <oleauto.h>

#include <string>
#include <string_view>

#include "text/wide.h"

namespace toolbox {

class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(std::string_view gbk) {
    std::wstring wide = to_wide(gbk);
    value_ = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  ~Bstr() { SysFreeString(value_); }

  BSTR get() const { return value_; }
  // For an out parameter: frees what is held and hands out the slot.
  BSTR* put() {
    SysFreeString(value_);
    value_ = nullptr;
    return &value_;
  }
  std::wstring_view view() const {
    return value_ ? std::wstring_view(value_, SysStringLen(value_)) : std::wstring_view();
  }

 private:
  BSTR value_ = nullptr;
};

}  // namespace toolbox
