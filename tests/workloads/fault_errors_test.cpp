// The floating-point errors of the workloads are real processor faults under the run's control
// word, and become the error kinds the report names.
#include "runtime/errors/fault_errors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/faults.h"
#include "tests/workloads/workload_test.h"
#include "x87/control_word.h"
#include "x87/guarded_divide.h"
#include "x87/instructions.h"
#include "x87/integer_rounding.h"

namespace zaveredo {
namespace {

volatile long double gZero = 0.0L;
volatile long double gHuge = 1e30L;

struct Work {
  void (*run)();
};

// The kind of error the work's fault becomes, or "none" when it ran through.
std::string KindOfFault(void (*run)()) {
  Work work{run};
  platform::FaultInfo fault;
  bool completed = platform::RunFaultGuarded(
      [](void* context) {
        x87::ResetFpu();
        static_cast<Work*>(context)->run();
      },
      &work, &fault);
  x87::ResetFpu();
  if (completed) return "none";
  return ErrorOfFault(fault).KindName();
}

class FaultErrorsTest : public test_support::WorkloadTest {};

TEST_F(FaultErrorsTest, DivisionByZeroRaisesZeroDivide) {
  EXPECT_EQ(KindOfFault([] {
              std::int64_t sink;
              x87::StoreInt64(GuardedDivide(1.0L, gZero), &sink);
            }),
            "EZeroDivide");
}

TEST_F(FaultErrorsTest, HugeValueIntoAnIntegerStoreRaisesInvalidOp) {
  EXPECT_EQ(KindOfFault([] {
              std::int64_t comp;
              x87::StoreInt64(gHuge, &comp);
            }),
            "EInvalidOp");
  EXPECT_EQ(KindOfFault([] { RoundToInt64(-gHuge); }), "EInvalidOp");
}

TEST_F(FaultErrorsTest, OverflowingStoreRaisesOverflowAtOnce) {
  EXPECT_EQ(KindOfFault([] {
              float f;
              x87::StoreSingle(gHuge * gHuge, &f);
            }),
            "EOverflow");
}

TEST_F(FaultErrorsTest, TheControlWordDecides) {
  // With every exception masked the same division quietly gives infinity.
  EXPECT_EQ(KindOfFault([] {
              x87::SetControlWord(x87::ControlWord(0x037F));
              volatile long double q = GuardedDivide(1.0L, gZero);
              (void)q;
            }),
            "none");
}

TEST_F(FaultErrorsTest, InRangeWorkRaisesNothing) {
  EXPECT_EQ(KindOfFault([] {
              std::int64_t v;
              x87::StoreInt64(GuardedDivide(gHuge, 3e12L), &v);  // 3.3e17 fits
            }),
            "none");
}

}  // namespace
}  // namespace zaveredo
