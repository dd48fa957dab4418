#include "app/program.h"

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
}

void release_program_objects() {
  delete g_program;
  g_program = nullptr;
}

}  // namespace toolbox::app
