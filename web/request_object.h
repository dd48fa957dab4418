// A counted reference to one "WinHttp.WinHttpRequest.5.1" object. A caller
// that keeps one between page fetches (fetch_with_request_object) shares what
// the object keeps: its connection, its proxy setting, its own cookies.
// Copies refer to the same object. It belongs to the thread that created it,
// where it keeps COM initialised while any copy lives.
#pragma once

#include <oaidl.h>

#include <memory>

#include "platform/com_apartment.h"
#include "platform/com_ptr.h"

namespace toolbox {

class RequestObject {
 public:
  // No object.
  RequestObject() = default;
  // A new object; an empty reference when it can't be created.
  static RequestObject create();

  explicit operator bool() const { return static_cast<bool>(object_); }
  const ComPtr<IDispatch>& dispatch() const { return object_; }

 private:
  // First, so that COM outlives the object.
  std::shared_ptr<ComApartment> apartment_;
  ComPtr<IDispatch> object_;
};

// The ProgID of the request object.
inline constexpr const wchar_t* kRequestObjectProgId = L"WinHttp.WinHttpRequest.5.1";

}  // namespace toolbox
