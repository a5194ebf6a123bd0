#include "runtime/errors/error_guard.h"

#include <gtest/gtest.h>

#include <new>

#include "runtime/errors/checked.h"
#include "runtime/errors/errors.h"
#include "tests/runtime/errors/fault_makers.h"
#include "x87/control_word.h"

namespace zaveredo {
namespace {

int reachedAfterFault = 0;

void Completes(void* counter) {
  ++*static_cast<int*>(counter);
}
void RaisesRangeError(void*) {
  CheckIndex(5, 3);
}
void RaisesIoError(void*) {
  RaiseIoError(5, nullptr);
}
void FailsToAllocate(void*) {
  throw std::bad_alloc();
}
void DividesByZero(void*) {
  x87::ResetFpu();
  test_support::X87DivideByZero();
  ++reachedAfterFault;
}
void WritesToLowAddress(void*) {
  test_support::WriteToLowAddress();
  ++reachedAfterFault;
}
void OverflowsStack(void*) {
  test_support::ExhaustStack(0);
}
void RunsUd2(void*) {
  test_support::IllegalInstruction();
}

TEST(ErrorGuard, CompletedBodyReportsTrue) {
  int counter = 0;
  EXPECT_TRUE(RunErrorGuarded(&Completes, &counter));
  EXPECT_EQ(counter, 1);
}

TEST(ErrorGuard, RaisedErrorsReportFalse) {
  EXPECT_FALSE(RunErrorGuarded(&RaisesRangeError, nullptr));
  EXPECT_FALSE(RunErrorGuarded(&RaisesIoError, nullptr));
  EXPECT_FALSE(RunErrorGuarded(&FailsToAllocate, nullptr));
}

TEST(ErrorGuard, ProcessorFaultsReportFalseWithoutFinishingBody) {
  reachedAfterFault = 0;
  EXPECT_FALSE(RunErrorGuarded(&DividesByZero, nullptr));
  EXPECT_FALSE(RunErrorGuarded(&WritesToLowAddress, nullptr));
  EXPECT_FALSE(RunErrorGuarded(&RunsUd2, nullptr));
  EXPECT_EQ(reachedAfterFault, 0);
  // The guard still works after faults: signals were unblocked by the jump back.
  EXPECT_FALSE(RunErrorGuarded(&WritesToLowAddress, nullptr));
}

TEST(ErrorGuard, StackOverflowIsCaught) {
  EXPECT_FALSE(RunErrorGuarded(&OverflowsStack, nullptr));
  int counter = 0;
  EXPECT_TRUE(RunErrorGuarded(&Completes, &counter));
}

TEST(ErrorGuard, RunControlWordIsBackAfterAFault) {
  x87::SetControlWord(x87::ControlWord(0x037F));
  EXPECT_FALSE(RunErrorGuarded(&DividesByZero, nullptr));
  EXPECT_EQ(x87::ControlWordInForce(), x87::kRunControlWord);
  // Nothing pending is left behind: ordinary x87 arithmetic works.
  volatile long double one = 1.0L, three = 3.0L;
  EXPECT_GT(one / three, 0.33L);
}

// The clock-rate measurement's shape: an outer guard, an inner one whose caller restores
// state whatever happens inside, then more work in the outer one.
struct Nested {
  void (*inner)(void*);
  bool innerResult = true;
  bool restored = false;
  bool outerFinished = false;
  bool failAfterInner = false;
};

void OuterBody(void* context) {
  auto* n = static_cast<Nested*>(context);
  n->innerResult = RunErrorGuarded(n->inner, nullptr);
  n->restored = true;
  if (n->failAfterInner) CheckIndex(-1, 10);
  n->outerFinished = true;
}

TEST(ErrorGuard, NestedGuardTakesItsOwnFault) {
  Nested n;
  n.inner = &WritesToLowAddress;
  EXPECT_TRUE(RunErrorGuarded(&OuterBody, &n));
  EXPECT_FALSE(n.innerResult);
  EXPECT_TRUE(n.restored);
  EXPECT_TRUE(n.outerFinished);
}

TEST(ErrorGuard, OuterGuardCatchesAfterInnerCompleted) {
  Nested n;
  n.inner = &DividesByZero;
  n.failAfterInner = true;
  EXPECT_FALSE(RunErrorGuarded(&OuterBody, &n));
  EXPECT_TRUE(n.restored);
  EXPECT_FALSE(n.outerFinished);
}

void FaultsAfterInnerRaised(void* context) {
  auto* inner = static_cast<bool*>(context);
  *inner = RunErrorGuarded(&RaisesIoError, nullptr);
  test_support::WriteToLowAddress();  // must reach this guard, not the finished inner one
}

TEST(ErrorGuard, FaultAfterInnerErrorGoesToOuterGuard) {
  bool inner = true;
  EXPECT_FALSE(RunErrorGuarded(&FaultsAfterInnerRaised, &inner));
  EXPECT_FALSE(inner);
}

}  // namespace
}  // namespace zaveredo
