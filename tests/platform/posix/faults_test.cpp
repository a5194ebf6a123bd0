#include "platform/faults.h"

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <csignal>
#include <stdexcept>

#include "tests/runtime/errors/fault_makers.h"
#include "x87/control_word.h"

namespace zaveredo::platform {
namespace {

void CallRoutine(void* routine) {
  x87::ResetFpu();
  reinterpret_cast<void (*)()>(routine)();
}

FaultInfo FaultOf(void (*routine)()) {
  FaultInfo fault;
  bool completed = RunFaultGuarded(&CallRoutine, reinterpret_cast<void*>(routine), &fault);
  x87::ResetFpu();
  EXPECT_FALSE(completed) << "no fault";
  return fault;
}

TEST(Faults, AccessViolationTellsReadFromWriteAndTheAddress) {
  FaultInfo write = FaultOf(&test_support::WriteToLowAddress);
  EXPECT_TRUE(write.isWrite);
  EXPECT_EQ(write.accessAddress, reinterpret_cast<const void*>(0x10));
  FaultInfo read = FaultOf(&test_support::ReadFromLowAddress);
  EXPECT_EQ(read.code, kExceptionAccessViolation);
  EXPECT_FALSE(read.isWrite);
  EXPECT_EQ(read.accessAddress, reinterpret_cast<const void*>(0x10));
}

const volatile char* beyondFileEnd = nullptr;

[[gnu::noinline]] void ReadBeyondFileEnd() {
  (void)*beyondFileEnd;
}

// A mapped page past the end of its file raises SIGBUS: an access violation too.
TEST(Faults, BusErrorIsAnAccessViolation) {
  int fd = memfd_create("empty", 0);
  ASSERT_GE(fd, 0);
  void* page = mmap(nullptr, 4096, PROT_READ, MAP_SHARED, fd, 0);
  ASSERT_NE(page, MAP_FAILED);
  beyondFileEnd = static_cast<const volatile char*>(page);
  FaultInfo fault = FaultOf(&ReadBeyondFileEnd);
  munmap(page, 4096);
  close(fd);
  EXPECT_EQ(fault.code, kExceptionAccessViolation);
  EXPECT_EQ(fault.accessAddress, page);
  EXPECT_TRUE(test_support::InsideRoutine(fault.address, &ReadBeyondFileEnd));
}

void OverflowStack() {
  test_support::ExhaustStack(0);
}

TEST(Faults, DeepRecursionIsAStackOverflowAndTheStackIsUsableAfterwards) {
  EXPECT_EQ(FaultOf(&OverflowStack).code, kExceptionStackOverflow);
  EXPECT_EQ(FaultOf(&OverflowStack).code, kExceptionStackOverflow);
  EXPECT_EQ(FaultOf(&test_support::WriteToLowAddress).code, kExceptionAccessViolation);
}

[[gnu::noinline]] void ReadTimeStampCounter() {
  asm volatile("rdtsc" : : : "eax", "edx");
}

TEST(Faults, ForbiddenTimeStampCounterIsAPrivilegedInstruction) {
  if (prctl(PR_SET_TSC, PR_TSC_SIGSEGV, 0, 0, 0) != 0) GTEST_SKIP() << "cannot forbid rdtsc";
  FaultInfo fault;
  bool completed =
      RunFaultGuarded(&CallRoutine, reinterpret_cast<void*>(&ReadTimeStampCounter), &fault);
  x87::ResetFpu();
  prctl(PR_SET_TSC, PR_TSC_ENABLE, 0, 0, 0);
  // Some hypervisors accept the setting but never trap the instruction.
  if (completed) GTEST_SKIP() << "this machine does not enforce a forbidden rdtsc";
  EXPECT_EQ(fault.code, kExceptionPrivInstruction);
  EXPECT_TRUE(test_support::InsideRoutine(fault.address, &ReadTimeStampCounter));
}

struct Nesting {
  bool innerCompleted = true;
  FaultInfo innerFault;
  bool outerContinued = false;
};

void InnerFaults(void*) {
  test_support::IllegalInstruction();
}

void OuterRunsInner(void* context) {
  auto* n = static_cast<Nesting*>(context);
  n->innerCompleted = RunFaultGuarded(&InnerFaults, nullptr, &n->innerFault);
  n->outerContinued = true;
  test_support::WriteToLowAddress();
}

TEST(Faults, EachFaultGoesToTheInnermostGuard) {
  Nesting n;
  FaultInfo outer;
  EXPECT_FALSE(RunFaultGuarded(&OuterRunsInner, &n, &outer));
  EXPECT_FALSE(n.innerCompleted);
  EXPECT_EQ(n.innerFault.code, kExceptionIllegalInstruction);
  EXPECT_TRUE(n.outerContinued);
  EXPECT_EQ(outer.code, kExceptionAccessViolation);
}

void Throws(void*) {
  throw std::runtime_error("through");
}

void OuterCatchesThenFaults(void*) {
  FaultInfo ignored;
  try {
    RunFaultGuarded(&Throws, nullptr, &ignored);
  } catch (const std::runtime_error&) {
  }
  test_support::WriteToLowAddress();  // must reach this guard, not the one the exception left
}

TEST(Faults, ExceptionLeavingABodyLeavesItsGuardToo) {
  FaultInfo fault;
  EXPECT_FALSE(RunFaultGuarded(&OuterCatchesThenFaults, nullptr, &fault));
  EXPECT_EQ(fault.code, kExceptionAccessViolation);
}

void Completes(void* flag) {
  *static_cast<bool*>(flag) = true;
}

TEST(Faults, CompletedBodyReportsTrue) {
  bool ran = false;
  FaultInfo fault;
  EXPECT_TRUE(RunFaultGuarded(&Completes, &ran, &fault));
  EXPECT_TRUE(ran);
  EXPECT_TRUE(ConsultUnhandledExceptionFilter(fault));
}

void ExitWithLowByteOfCode(const FaultInfo& fault) {
  _exit(static_cast<int>(fault.code & 0xFF));
}
void LeaveToPlatform(const FaultInfo&) {}

void FaultWith(FaultHandler handler) {
  InstallFaultHandler(handler);
  test_support::WriteToLowAddress();
}

// The signals are taken once a guard has run; a fault outside it, with no handler installed,
// still takes the default action.
void FaultWithoutHandler() {
  bool ran = false;
  FaultInfo fault;
  RunFaultGuarded(&Completes, &ran, &fault);
  test_support::IntegerDivideByZero();
}

TEST(FaultsDeathTest, HandlerTakesFaultsOutsideGuardsOrLeavesThemToThePlatform) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(FaultWith(&ExitWithLowByteOfCode), ::testing::ExitedWithCode(0x05), "");
  EXPECT_EXIT(FaultWith(&LeaveToPlatform), ::testing::KilledBySignal(SIGSEGV), "");
  EXPECT_EXIT(FaultWithoutHandler(), ::testing::KilledBySignal(SIGFPE), "");
}

}  // namespace
}  // namespace zaveredo::platform
