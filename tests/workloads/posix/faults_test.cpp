// Errors that arrive as processor faults or need a limited process: each runs in a child
// process, since a fault ends the process when no error machinery is installed.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>

#include "runtime/errors.h"
#include "runtime/fpu.h"
#include "workloads/arrays.h"
#include "workloads/element_count.h"
#include "workloads/element_formats.h"
#include "workloads/guarded_divide.h"
#include "workloads/int64_conversions.h"
#include "workloads/x87.h"

namespace zaveredo {
namespace {

volatile long double gZero = 0.0L;
volatile long double gHuge = 1e30L;

TEST(WorkloadFaultsDeathTest, DivisionByZeroFaultsUnderTheRunControlWord) {
  EXPECT_EXIT(
      {
        ResetFpu();
        long double q = GuardedDivide(1.0L, gZero);
        std::int64_t sink;
        x87::StoreInt64(q, &sink);  // waits: a pending fault would surface here at the latest
        _exit(0);
      },
      ::testing::KilledBySignal(SIGFPE), "");
}

TEST(WorkloadFaultsDeathTest, DivisionByZeroIsQuietWhenMasked) {
  // The same division with the default word (all masked) gives infinity: the fault above is
  // the control word's doing.
  EXPECT_EXIT(
      {
        SetControlWord(0x037F);
        long double q = GuardedDivide(1.0L, gZero);
        _exit(q > 1e4000L ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST(WorkloadFaultsDeathTest, HugeValueIntoCompFaultsAsInvalidOperation) {
  EXPECT_EXIT(
      {
        ResetFpu();
        std::int64_t comp;
        x87::StoreInt64(gHuge, &comp);
        _exit(0);
      },
      ::testing::KilledBySignal(SIGFPE), "");
  EXPECT_EXIT(
      {
        ResetFpu();
        TruncToInt64(-gHuge);
        _exit(0);
      },
      ::testing::KilledBySignal(SIGFPE), "");
}

TEST(WorkloadFaultsDeathTest, OverflowingDoubleStoreFaultsAtTheStore) {
  EXPECT_EXIT(
      {
        ResetFpu();
        double d;
        x87::StoreDouble(1e4000L * gHuge, &d);
        _exit(0);
      },
      ::testing::KilledBySignal(SIGFPE), "");
}

TEST(WorkloadFaultsDeathTest, MemoryThatIsNotThereRaisesOutOfMemory) {
  EXPECT_EXIT(
      {
        rlimit limit;
        limit.rlim_cur = limit.rlim_max = std::uint64_t{512} << 20;
        setrlimit(RLIMIT_AS, &limit);
        ElementCount = 100000000;  // 1,000,000,000 bytes of extended
        try {
          SizeArray(ElementType::kExtended);
        } catch (const EOutOfMemory&) {
          _exit(ArrayOf(ElementType::kExtended).length == 0 ? 7 : 8);
        }
        _exit(0);
      },
      ::testing::ExitedWithCode(7), "");
}

}  // namespace
}  // namespace zaveredo
