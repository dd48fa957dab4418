#include "app/startup.h"

#include <float.h>

#include <cstdlib>

#include "app/main_window.h"
#include "app/program.h"
#include "qr/qr_module.h"
#include "ui/message_loop.h"

namespace toolbox::app {

namespace {

// Step 1: a clean floating-point unit (a DLL loaded into the process may have
// changed its precision or masks) and a heap that ends the process on
// corruption instead of carrying on.
void initialise_process_environment() {
  _fpreset();
  HeapSetInformation(nullptr, HeapEnableTerminationOnCorruption, nullptr, 0);
}

// Step 3.
void register_exit_routine() {
  std::atexit(release_program_objects);
}

// Step 4: fills the QR module's tables. Nothing uses them afterwards.
void initialise_qr_tables() {
  initialise_qr_module();
}

// Step 8: the main window's creation handler runs in here.
bool create_main_window(HINSTANCE instance) {
  program().main_window = open_main_window(instance);
  return program().main_window != nullptr;
}

// Step 9.
int run_message_loop() {
  return ui::run_message_loop(program().main_window->hwnd());
}

}  // namespace

// Each step finishes before the next begins. The module set-ups come between
// the exit routine and the main window, in the order QR module, skin
// library, networking server, networking client.
void prepare_program() {
  initialise_process_environment();
  create_program_objects();
  register_exit_routine();
  initialise_qr_tables();
}

int run_toolbox(HINSTANCE instance) {
  prepare_program();
  if (!create_main_window(instance)) {
    return 1;
  }
  return run_message_loop();
}

}  // namespace toolbox::app
