#include "platform/dispatch.h"

#include <objbase.h>
#include <oleauto.h>

#include <vector>

namespace toolbox {
namespace {

// Invoke wants the arguments last to first; the named property value, when
// there is one, comes first of all.
HRESULT invoke(IDispatch* object, const wchar_t* name, WORD flags, std::initializer_list<Variant> arguments,
               const Variant* put_value, VARIANT* result) {
  if (!object) {
    return E_POINTER;
  }
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  HRESULT status = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(status)) {
    return status;
  }
  // Shallow copies: Invoke only reads its in-arguments.
  std::vector<VARIANT> reversed;
  if (put_value) {
    reversed.push_back(*put_value->get());
  }
  for (auto argument = arguments.end(); argument != arguments.begin();) {
    --argument;
    reversed.push_back(*argument->get());
  }
  DISPID named_put = DISPID_PROPERTYPUT;
  DISPPARAMS parameters{};
  parameters.rgvarg = reversed.empty() ? nullptr : reversed.data();
  parameters.cArgs = static_cast<UINT>(reversed.size());
  if (put_value) {
    parameters.rgdispidNamedArgs = &named_put;
    parameters.cNamedArgs = 1;
  }
  EXCEPINFO exception{};
  UINT argument_error = 0;
  status = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters, result, &exception, &argument_error);
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrDescription);
  SysFreeString(exception.bstrHelpFile);
  return status;
}

}  // namespace

ComPtr<IUnknown> create_object(const wchar_t* prog_id) {
  ComPtr<IUnknown> object;
  CLSID class_id;
  if (SUCCEEDED(CLSIDFromProgID(prog_id, &class_id))) {
    CoCreateInstance(class_id, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IUnknown, object.put_void());
  }
  return object;
}

ComPtr<IDispatch> create_dispatch_object(const wchar_t* prog_id) {
  ComPtr<IDispatch> object;
  if (ComPtr<IUnknown> unknown = create_object(prog_id)) {
    unknown->QueryInterface(IID_IDispatch, object.put_void());
  }
  return object;
}

DispatchResult call_method(IDispatch* object, const wchar_t* name, std::initializer_list<Variant> arguments) {
  DispatchResult result;
  result.status = invoke(object, name, DISPATCH_METHOD, arguments, nullptr, result.value.put());
  return result;
}

DispatchResult get_property(IDispatch* object, const wchar_t* name, std::initializer_list<Variant> indexes) {
  DispatchResult result;
  result.status = invoke(object, name, DISPATCH_PROPERTYGET | DISPATCH_METHOD, indexes, nullptr, result.value.put());
  return result;
}

HRESULT put_property(IDispatch* object, const wchar_t* name, const Variant& value,
                     std::initializer_list<Variant> indexes) {
  return invoke(object, name, DISPATCH_PROPERTYPUT, indexes, &value, nullptr);
}

}  // namespace toolbox
