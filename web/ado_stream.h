// The dual interface (_Stream) of the "Adodb.Stream" object, as far as the
// character-set decoding uses it. mingw-w64's ADO headers do not compile as
// C++, so the methods are declared here in vtable order.
//
// The type must not sit in an anonymous namespace: GCC would see that no
// class of the program implements it and treat every call through it as
// unreachable.
#pragma once

#include <oaidl.h>

namespace toolbox {

// A COM interface has no destructor: objects go through Release.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
struct AdoStream : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE get_Size(LONG* size) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_EOS(VARIANT_BOOL* at_end) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Position(LONG* position) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Position(LONG position) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Type(LONG* type) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Type(LONG type) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_LineSeparator(LONG* separator) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_LineSeparator(LONG separator) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_State(LONG* state) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Mode(LONG* mode) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Mode(LONG mode) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Charset(BSTR* charset) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Charset(BSTR charset) = 0;
  virtual HRESULT STDMETHODCALLTYPE Read(LONG count, VARIANT* bytes) = 0;
  virtual HRESULT STDMETHODCALLTYPE Open(VARIANT source, LONG mode, LONG options, BSTR user, BSTR password) = 0;
  virtual HRESULT STDMETHODCALLTYPE Close() = 0;
  virtual HRESULT STDMETHODCALLTYPE SkipLine() = 0;
  virtual HRESULT STDMETHODCALLTYPE Write(VARIANT bytes) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetEOS() = 0;
  virtual HRESULT STDMETHODCALLTYPE CopyTo(IDispatch* destination, LONG count) = 0;
  virtual HRESULT STDMETHODCALLTYPE Flush() = 0;
  virtual HRESULT STDMETHODCALLTYPE SaveToFile(BSTR file, LONG options) = 0;
  virtual HRESULT STDMETHODCALLTYPE LoadFromFile(BSTR file) = 0;
  virtual HRESULT STDMETHODCALLTYPE ReadText(LONG count, BSTR* text) = 0;
};
#pragma GCC diagnostic pop

// _Stream of ADO 2.x, which Wine implements, and of later ADO versions.
inline constexpr IID kAdoStreamInterfaceIds[] = {
    {0x00000565, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x6D, 0x2E, 0xA4}},
    {0x00001565, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x6D, 0x2E, 0xA4}},
};

}  // namespace toolbox
