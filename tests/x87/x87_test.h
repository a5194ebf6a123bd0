// Shared set-up for the x87 tests: the run's control word in force before and after each.
#pragma once

#include <gtest/gtest.h>

#include "x87/control_word.h"

namespace zaveredo::test_support {

class X87Test : public ::testing::Test {
 protected:
  void SetUp() override { x87::ResetFpu(); }
  void TearDown() override { x87::ResetFpu(); }
};

}  // namespace zaveredo::test_support
