// COM initialised on the calling thread for the lifetime of the holder
// (CoInitialize with NULL, balanced by CoUninitialize when it succeeded,
// also when COM was already initialised there).
#pragma once

#include <objbase.h>

namespace toolbox {

class ComApartment {
 public:
  ComApartment() : result_(CoInitialize(nullptr)) {}
  ~ComApartment() {
    if (SUCCEEDED(result_)) {
      CoUninitialize();
    }
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  HRESULT result_;
};

}  // namespace toolbox
