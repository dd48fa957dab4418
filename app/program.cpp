#include "app/program.h"

#include "qr/qr_module.h"

namespace toolbox::app {

namespace {
Program* g_program = nullptr;
}

Program& program() {
  return *g_program;
}

void create_program_objects() {
  if (!g_program) {
    g_program = new Program{};
  }
  create_qr_module();
}

void release_program_objects() {
  release_qr_module();
  delete g_program;
  g_program = nullptr;
}

}  // namespace toolbox::app
