// Program entry: no arguments are read.
#include <windows.h>

#include "app/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return toolbox::app::run_toolbox(instance);
}
