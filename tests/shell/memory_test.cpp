#include <gtest/gtest.h>

#include "shell/memory.h"

TEST(Placeholder, Builds) { EXPECT_EQ(nullptr, nullptr); }
