// Processor faults as Windows delivers them: guarded regions are left by a jump, and outside
// them the installed handler gets the fault on a fresh stack with the x87 unit reset.
#include "platform/faults.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>

#include "platform/win32/windows_api.h"
#include "tests/platform/win32/fault_sources.h"

namespace zaveredo::platform {
namespace {

void Call(void* routine) {
  reinterpret_cast<void (*)()>(routine)();
}

FaultInfo GuardedFault(void (*routine)()) {
  FaultInfo fault;
  EXPECT_FALSE(RunFaultGuarded(Call, reinterpret_cast<void*>(routine), &fault));
  return fault;
}

constexpr std::uint16_t kReservedBit = 0x40;
constexpr std::uint16_t kExceptionFlags = 0x80FF;

TEST(Win32GuardedRegion, ABodyThatCompletesReturnsTrueAndLeavesTheFaultAlone) {
  FaultInfo fault;
  fault.code = 77;
  int calls = 0;
  auto count = [](void* context) { ++*static_cast<int*>(context); };
  EXPECT_TRUE(RunFaultGuarded(count, &calls, &fault));
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(fault.code, 77u);
}

TEST(Win32GuardedRegion, AccessViolationsTellReadFromWriteAndTheAddresses) {
  FaultInfo write = GuardedFault(ZavFaultWriteLow);
  EXPECT_EQ(write.code, kExceptionAccessViolation);
  EXPECT_EQ(write.address, ZavFaultWriteLowAt);
  EXPECT_TRUE(write.isWrite);
  EXPECT_EQ(write.accessAddress, reinterpret_cast<const void*>(0x10));

  FaultInfo read = GuardedFault(ZavFaultReadHigh);
  EXPECT_EQ(read.code, kExceptionAccessViolation);
  EXPECT_EQ(read.address, ZavFaultReadHighAt);
  EXPECT_FALSE(read.isWrite);
  EXPECT_EQ(read.accessAddress, reinterpret_cast<const void*>(0xFFFFFFF0u));
}

TEST(Win32GuardedRegion, EachFaultArrivesWithItsCodeAtTheCausingInstruction) {
  struct Case {
    void (*routine)();
    const char* at;
    std::uint32_t code;
  } cases[] = {
      {ZavFaultIntegerDivide, ZavFaultIntegerDivideAt, kExceptionIntDivideByZero},
      {ZavFaultX87Divide, ZavFaultX87DivideAt, kExceptionFltDivideByZero},
      {ZavFaultX87Invalid, ZavFaultX87InvalidAt, kExceptionFltInvalidOperation},
      {ZavFaultX87Overflow, ZavFaultX87OverflowAt, kExceptionFltOverflow},
      {ZavFaultIllegal, ZavFaultIllegalAt, kExceptionIllegalInstruction},
      {ZavFaultPrivileged, ZavFaultPrivilegedAt, kExceptionPrivInstruction},
  };
  for (const Case& c : cases) {
    FaultInfo fault = GuardedFault(c.routine);
    EXPECT_EQ(fault.code, c.code) << std::hex << c.code;
    // x87 faults are delivered by the next x87 instruction; the report names the cause.
    EXPECT_EQ(fault.address, c.at) << std::hex << c.code;
    EXPECT_EQ(fault.accessAddress, nullptr);
  }
  EXPECT_NE(static_cast<const void*>(ZavFaultX87DivideAt),
            static_cast<const void*>(ZavFaultX87DivideStoreAt));
}

TEST(Win32GuardedRegion, AnX87FaultLeavesTheUnitResetUnderTheControlWordOfTheRegion) {
  test::X87State before = test::ReadX87State();
  GuardedFault(ZavFaultX87Divide);
  test::X87State after = test::ReadX87State();
  EXPECT_EQ(after.control | kReservedBit, before.control | kReservedBit);
  EXPECT_EQ(after.status & kExceptionFlags, 0);
  EXPECT_EQ(after.status & 0x3800, 0);  // stack top back at register 0
  EXPECT_EQ(after.tags, 0xFFFF);        // every register empty
  volatile long double one = 1, three = 3;
  EXPECT_NEAR(static_cast<double>(one / three), 1.0 / 3.0, 1e-15);
}

TEST(Win32GuardedRegion, StackOverflowIsCaughtAgainAndAgain) {
  for (int round = 0; round < 3; ++round) {
    FaultInfo fault = GuardedFault(test::ExhaustStack);
    EXPECT_EQ(fault.code, kExceptionStackOverflow) << "round " << round;
  }
}

TEST(Win32GuardedRegion, NestedRegionsEachTakeTheirOwnFaults) {
  struct Outer {
    FaultInfo inner;
    bool innerCompleted = true;
  } outer;
  auto body = [](void* context) {
    auto* state = static_cast<Outer*>(context);
    state->innerCompleted =
        RunFaultGuarded(Call, reinterpret_cast<void*>(ZavFaultWriteLow), &state->inner);
    ZavFaultIntegerDivide();
  };
  FaultInfo fault;
  EXPECT_FALSE(RunFaultGuarded(body, &outer, &fault));
  EXPECT_FALSE(outer.innerCompleted);
  EXPECT_EQ(outer.inner.code, kExceptionAccessViolation);
  EXPECT_EQ(fault.code, kExceptionIntDivideByZero);
}

TEST(Win32GuardedRegion, LanguageExceptionsStillWorkAfterFaults) {
  GuardedFault(ZavFaultWriteLow);
  GuardedFault(test::ExhaustStack);
  bool caught = false;
  try {
    throw std::runtime_error("after the faults");
  } catch (const std::runtime_error&) {
    caught = true;
  }
  EXPECT_TRUE(caught);
  // A C++ exception passes through a guarded region untouched, as it is no processor fault.
  auto thrower = [](void*) { throw std::logic_error("through"); };
  EXPECT_THROW(RunFaultGuarded(thrower, nullptr, nullptr), std::logic_error);
}

TEST(Win32GuardedRegion, AGuardLeftByALanguageExceptionTakesNoLaterFault) {
  auto body = [](void*) {
    try {
      RunFaultGuarded([](void*) { throw std::logic_error("out of the inner guard"); }, nullptr,
                      nullptr);
    } catch (const std::logic_error&) {
    }
    ZavFaultWriteLow();
  };
  FaultInfo fault;
  EXPECT_FALSE(RunFaultGuarded(body, nullptr, &fault));
  EXPECT_EQ(fault.code, kExceptionAccessViolation);
}

// Handlers for the unguarded cases run in death-test children: they describe the fault on
// standard error and end the process with a code of their own.
void Describe(const FaultInfo& fault) {
  test::X87State unit = test::ReadX87State();
  char text[200];
  int length = std::snprintf(
      text, sizeof text, "fault %08lX %s %p at %p cw %04X sw %04X consulted %d\n",
      static_cast<unsigned long>(fault.code), fault.isWrite ? "write" : "read", fault.accessAddress,
      fault.address, unit.control, unit.status, ConsultUnhandledExceptionFilter(fault) ? 1 : 0);
  DWORD written = 0;
  ::WriteFile(::GetStdHandle(STD_ERROR_HANDLE), text, length, &written, nullptr);
}

[[noreturn]] void DescribeAndExit(const FaultInfo& fault) {
  Describe(fault);
  ::ExitProcess(42);
}

std::string Expected(const char* what, const void* accessed, const void* at) {
  char text[100];
  std::snprintf(text, sizeof text, "%s %p at %p", what, accessed, at);
  return text;
}

using Win32FaultHandlerDeathTest = ::testing::Test;

TEST_F(Win32FaultHandlerDeathTest, AnUnguardedAccessViolationReachesTheHandler) {
  EXPECT_EXIT(
      {
        InstallFaultHandler(DescribeAndExit);
        ZavLoadRunControlWord();
        ZavFaultWriteLow();
      },
      ::testing::ExitedWithCode(42),
      Expected("fault C0000005 write", reinterpret_cast<const void*>(0x10), ZavFaultWriteLowAt) +
          " cw 1372 sw 0000 consulted 1");
}

TEST_F(Win32FaultHandlerDeathTest, AnUnguardedX87FaultReachesTheHandlerWithTheUnitReset) {
  EXPECT_EXIT(
      {
        InstallFaultHandler(DescribeAndExit);
        ZavFaultX87Divide();
      },
      ::testing::ExitedWithCode(42),
      Expected("fault C000008E read", nullptr, ZavFaultX87DivideAt) + " cw 1372 sw 0000");
}

TEST_F(Win32FaultHandlerDeathTest, AnUnguardedStackOverflowReachesTheHandler) {
  EXPECT_EXIT(
      {
        InstallFaultHandler(DescribeAndExit);
        test::ExhaustStack();
      },
      ::testing::ExitedWithCode(42), "fault C00000FD read");
}

TEST_F(Win32FaultHandlerDeathTest, AFaultInsideTheHandlerIsLeftToThePlatform) {
  auto faultAgain = [](const FaultInfo&) {
    ZavFaultReadHigh();
    ::ExitProcess(42);
  };
  EXPECT_EXIT(
      {
        InstallFaultHandler(faultAgain);
        ZavFaultWriteLow();
      },
      [](int code) { return code != 42 && code != 0; }, "");
}

// A handler that returns hands the fault to the platform, which ends the process with it.
TEST_F(Win32FaultHandlerDeathTest, AHandlerThatReturnsLeavesTheFaultToThePlatform) {
  auto describeOnly = [](const FaultInfo& fault) { Describe(fault); };
  EXPECT_EXIT(
      {
        InstallFaultHandler(describeOnly);
        ZavFaultWriteLow();
      },
      [](int code) { return (code & 0xFF) == 5; }, "fault C0000005 write");
  EXPECT_EXIT(
      {
        InstallFaultHandler(describeOnly);
        test::ExhaustStack();
      },
      [](int code) { return (code & 0xFF) == 0xFD; }, "fault C00000FD read");
}

// The filter a debugger or crash reporter would install: it sees what the program consults
// it about.
struct Seen {
  DWORD code = 0;
  PVOID address = nullptr;
  ULONG_PTR accessed = 0;
  LONG answer = EXCEPTION_EXECUTE_HANDLER;
} seen;

LONG WINAPI RecordingFilter(EXCEPTION_POINTERS* pointers) {
  seen.code = pointers->ExceptionRecord->ExceptionCode;
  seen.address = pointers->ExceptionRecord->ExceptionAddress;
  seen.accessed = pointers->ExceptionRecord->NumberParameters >= 2
                      ? pointers->ExceptionRecord->ExceptionInformation[1]
                      : 0;
  return seen.answer;
}

TEST(Win32UnhandledExceptionFilter, IsConsultedWithTheFaultAndItsAnswerCounts) {
  LPTOP_LEVEL_EXCEPTION_FILTER previous = ::SetUnhandledExceptionFilter(RecordingFilter);
  FaultInfo fault;
  fault.code = kExceptionAccessViolation;
  fault.address = ZavFaultWriteLowAt;
  fault.isWrite = true;
  fault.accessAddress = reinterpret_cast<const void*>(0x1234);
  seen = Seen();
  EXPECT_TRUE(ConsultUnhandledExceptionFilter(fault));
  EXPECT_EQ(seen.code, kExceptionAccessViolation);
  EXPECT_EQ(seen.address, ZavFaultWriteLowAt);
  EXPECT_EQ(seen.accessed, 0x1234u);

  seen.answer = EXCEPTION_CONTINUE_EXECUTION;
  fault.code = kExceptionFltOverflow;
  EXPECT_TRUE(ConsultUnhandledExceptionFilter(fault));
  EXPECT_EQ(seen.code, kExceptionFltOverflow);
  ::SetUnhandledExceptionFilter(previous);
}

// In a process of its own: the handler stays installed for the rest of the process.
TEST(Win32UnhandledExceptionFilterDeathTest, TheProgramsOwnHandlerLetsTheProgramReport) {
  EXPECT_EXIT(
      {
        InstallFaultHandler(DescribeAndExit);
        FaultInfo fault;
        fault.code = kExceptionFltDivideByZero;
        ::ExitProcess(ConsultUnhandledExceptionFilter(fault) ? 7 : 8);
      },
      ::testing::ExitedWithCode(7), "");
}

}  // namespace
}  // namespace zaveredo::platform
