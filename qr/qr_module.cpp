#include "qr/qr_module.h"

#include <memory>

namespace toolbox {
namespace {

// On the heap, so that the container's view of the tables never moves.
std::unique_ptr<QrModule> the_module;

}  // namespace

void create_qr_module() {
  the_module = std::make_unique<QrModule>();
}

void initialise_qr_module() {
  if (!the_module) {
    create_qr_module();
  }
  the_module->name = kQrModuleName;
  the_module->code.init();
}

void release_qr_module() {
  the_module.reset();
}

QrModule* qr_module() {
  return the_module.get();
}

}  // namespace toolbox
