#include <windows.h>
#include <gtest/gtest.h>

// The tests need code page 932; anything else means a broken Wine set-up.
TEST(Environment, AnsiCodePageIs932) { ASSERT_EQ(::GetACP(), 932u); }

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
