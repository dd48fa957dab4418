// The Windows tests rely on the prefix the scripts prepare: Wine started with
// a zh_CN locale, so that the ANSI API (and the system code page that the
// request object converts with) is GBK.
#include <windows.h>

#include <gtest/gtest.h>

namespace toolbox {
namespace {

TEST(WineEnvironment, SystemCodePageIsGbk) {
  EXPECT_EQ(GetACP(), 936u);
}

}  // namespace
}  // namespace toolbox
