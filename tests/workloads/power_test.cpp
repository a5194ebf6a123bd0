#include "workloads/power.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/workloads/workload_test.h"

namespace zaveredo {
namespace {

class PowerTest : public test_support::WorkloadTest {};

TEST_F(PowerTest, IntegralExponentsAreExact) {
  EXPECT_EQ(Power(2.0L, 31.0L), 2147483648.0L);
  EXPECT_EQ(Power(2.0L, 63.0L), 9223372036854775808.0L);
  EXPECT_EQ(Power(3.0L, 5.0L), 243.0L);
  EXPECT_EQ(Power(2.0L, -3.0L), 0.125L);
  EXPECT_EQ(Power(-2.0L, 3.0L), -8.0L);
  EXPECT_EQ(Power(7.0L, 0.0L), 1.0L);
  EXPECT_EQ(Power(0.0L, 5.0L), 0.0L);
}

TEST_F(PowerTest, FractionalExponentsGoThroughLogarithms) {
  EXPECT_NEAR(static_cast<double>(Power(2.0L, 0.5L)), std::sqrt(2.0), 1e-15);
  EXPECT_NEAR(static_cast<double>(Power(10.0L, 2.5L)), 316.22776601683793, 1e-12);
  EXPECT_NEAR(static_cast<double>(Power(8.0L, -1.0L / 3)), 0.5, 1e-15);
  // Beyond the 32-bit range an integral exponent takes the same road.
  EXPECT_NEAR(static_cast<double>(Power(1.0L + 1e-12L, 4294967296.0L)), std::exp(4294967296e-12),
              1e-9);
}

TEST_F(PowerTest, LeavesTheControlWordAsItWas) {
  Power(2.0L, 31.0L);
  Power(2.0L, 0.75L);
  EXPECT_EQ(x87::ControlWordInForce(), x87::kRunControlWord);
}

}  // namespace
}  // namespace zaveredo
