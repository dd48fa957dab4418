// Driving an automation object by the names of its methods and properties
// (IDispatch::GetIDsOfNames, then Invoke), on the calling thread.
#pragma once

#include <oaidl.h>

#include <initializer_list>

#include "platform/com_ptr.h"
#include "platform/variant.h"

namespace toolbox {

// A new object of the class registered as `prog_id` ("VBScript.RegExp"), or
// empty when it can't be made. COM must be initialised on the calling thread.
ComPtr<IUnknown> create_object(const wchar_t* prog_id);
ComPtr<IDispatch> create_dispatch_object(const wchar_t* prog_id);

struct DispatchResult {
  HRESULT status = E_FAIL;
  Variant value = {};
  bool ok() const { return SUCCEEDED(status); }
};

// Arguments in the order the method declares them.
DispatchResult call_method(IDispatch* object, const wchar_t* name, std::initializer_list<Variant> arguments = {});
// A property, or an indexed one (`Item(0)`, `Option(6)`).
DispatchResult get_property(IDispatch* object, const wchar_t* name, std::initializer_list<Variant> indexes = {});
HRESULT put_property(IDispatch* object, const wchar_t* name, const Variant& value,
                     std::initializer_list<Variant> indexes = {});

}  // namespace toolbox
