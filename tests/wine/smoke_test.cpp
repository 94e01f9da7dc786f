#include <gtest/gtest.h>
#include <windows.h>

TEST(WineSmoke, RunsUnderWine) { EXPECT_NE(GetModuleHandleA(nullptr), nullptr); }
