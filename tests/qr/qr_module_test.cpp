#include "qr/qr_module.h"

#include <gtest/gtest.h>

namespace toolbox {
namespace {

class QrModuleTest : public ::testing::Test {
 protected:
  void TearDown() override { release_qr_module(); }
};

TEST_F(QrModuleTest, CreationMakesEmptyTablesAndAnUnsetContainer) {
  EXPECT_EQ(qr_module(), nullptr);
  create_qr_module();
  QrModule* module = qr_module();
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(module->tables.modes.size(), 3u);
  EXPECT_EQ(module->tables.modes[0].name(), "");
  EXPECT_TRUE(module->tables.versions.empty());
  EXPECT_EQ(module->tables.levels.size(), 4u);
  EXPECT_EQ(module->tables.qr_field.name(), "");
  EXPECT_EQ(module->code.version(), -1);
  EXPECT_EQ(module->name, "");
}

TEST_F(QrModuleTest, InitialiserNamesTheModuleAndFillsEveryTable) {
  create_qr_module();
  initialise_qr_module();
  QrModule* module = qr_module();
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(module->name, kQrModuleName);
  EXPECT_EQ(module->tables.versions.size(), 40u);
  EXPECT_EQ(module->tables.modes[1].name(), "字母数字");
  EXPECT_EQ(module->tables.levels[3].name(), "H");
  EXPECT_EQ(module->tables.qr_field.name(), "GF256:285");
  EXPECT_EQ(module->tables.data_matrix_field.name(), "GF256:301");
  EXPECT_EQ(module->code.取版本_通过维长度(57).number(), 10);
  EXPECT_FALSE(module->code.is_valid());
  EXPECT_EQ(module->code.mask_pattern(), -1);
}

TEST_F(QrModuleTest, ReleaseEndsTheObjectsAndCreateStartsAfresh) {
  initialise_qr_module();
  ASSERT_NE(qr_module(), nullptr);
  release_qr_module();
  EXPECT_EQ(qr_module(), nullptr);
  create_qr_module();
  EXPECT_TRUE(qr_module()->tables.versions.empty());
}

}  // namespace
}  // namespace toolbox
