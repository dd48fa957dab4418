// The start-up steps before the main window leave the program-wide objects
// in place and the modules set up; the exit routine releases them.
#include <gtest/gtest.h>

#include "app/program.h"
#include "app/startup.h"
#include "qr/qr_module.h"

namespace toolbox::app {
namespace {

TEST(Startup, SetsUpTheQrModuleAndTheExitRoutineReleasesIt) {
  prepare_program();
  QrModule* module = qr_module();
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(module->name, kQrModuleName);
  // The tables are filled: version 40 has dimension 177, level M is index 2.
  EXPECT_EQ(module->code.取版本_通过版本号(40).dimension(), 177);
  EXPECT_EQ(module->code.取容错级别_按索引(2).name(), "M");

  release_program_objects();
  EXPECT_EQ(qr_module(), nullptr);
}

}  // namespace
}  // namespace toolbox::app
