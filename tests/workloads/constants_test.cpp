#include "workloads/constants.h"

#include <gtest/gtest.h>

#include "tests/workloads/workload_test.h"
#include "x87/guarded_divide.h"
#include "x87/instructions.h"

namespace zaveredo {
namespace {

class ConstantsTest : public test_support::WorkloadTest {};

TEST_F(ConstantsTest, DivisorsAreNotRiskyAndDivideAtExtendedPrecision) {
  EXPECT_FALSE(divider::IsRiskyDivisor(x87::LoadExtended(kFloatDivisor)));
  EXPECT_FALSE(divider::IsRiskyDivisor(x87::LoadExtended(kIntegerDivisor)));
  // 3137 / K, the second real value from seed 0, to extended precision.
  long double q = GuardedDivide(3137.0L, x87::LoadExtended(kFloatDivisor));
  EXPECT_NEAR(static_cast<double>(q), 0.0998538112958551, 1e-15);
}

}  // namespace
}  // namespace zaveredo
