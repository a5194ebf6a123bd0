// Reading exception records as faults, and the rewritten context a fault resumes in, on
// records made up the way the system fills them.
#include "platform/win32/fault_context.h"

#include <gtest/gtest.h>

#include <cstring>

namespace zaveredo::platform::win32 {
namespace {

constexpr DWORD kCauseAt = 0x401000;    // the fdiv that divided by zero
constexpr DWORD kDeliverAt = 0x401006;  // the following fstp, where the unit raised it

struct Exception {
  EXCEPTION_RECORD record = {};
  CONTEXT context = {};
};

Exception X87Fault(DWORD code, DWORD contextFlags) {
  Exception e;
  e.record.ExceptionCode = code;
  e.record.ExceptionAddress = reinterpret_cast<void*>(kDeliverAt);
  e.context.ContextFlags = contextFlags;
  e.context.Eip = kDeliverAt;
  e.context.FloatSave.ErrorOffset = kCauseAt;
  e.context.FloatSave.ControlWord = 0x1332;
  return e;
}

TEST(Win32FaultRecord, AnX87FaultIsPlacedAtTheInstructionThatCausedIt) {
  for (DWORD code : {kExceptionFltDivideByZero, kExceptionFltInvalidOperation,
                     kExceptionFltOverflow, kExceptionFltDenormalOperand, kExceptionFltUnderflow}) {
    Exception e = X87Fault(code, CONTEXT_FULL | CONTEXT_FLOATING_POINT);
    FaultInfo fault = DescribeFault(e.record, e.context);
    EXPECT_EQ(fault.code, code);
    EXPECT_EQ(fault.address, reinterpret_cast<const void*>(kCauseAt)) << std::hex << code;
    EXPECT_EQ(FaultControlWord(e.context).Bits(), 0x1332);
  }
}

TEST(Win32FaultRecord, OtherwiseTheExceptionAddressCounts) {
  // Without the saved unit state there is no better address.
  Exception noUnit = X87Fault(kExceptionFltDivideByZero, CONTEXT_FULL);
  EXPECT_EQ(DescribeFault(noUnit.record, noUnit.context).address,
            reinterpret_cast<const void*>(kDeliverAt));
  // An integer fault is raised where it happens, whatever the unit last saved.
  Exception integer = X87Fault(kExceptionIntDivideByZero, CONTEXT_FULL | CONTEXT_FLOATING_POINT);
  EXPECT_EQ(DescribeFault(integer.record, integer.context).address,
            reinterpret_cast<const void*>(kDeliverAt));
}

TEST(Win32FaultRecord, AnAccessViolationCarriesItsKindAndAddress) {
  Exception e;
  e.record.ExceptionCode = kExceptionAccessViolation;
  e.record.NumberParameters = 2;
  e.record.ExceptionInformation[1] = 0xDEAD0000;
  for (ULONG_PTR kind : {0u, 1u, 8u}) {
    e.record.ExceptionInformation[0] = kind;
    FaultInfo fault = DescribeFault(e.record, e.context);
    EXPECT_EQ(fault.isWrite, kind == 1) << kind;
    EXPECT_EQ(fault.accessAddress, reinterpret_cast<const void*>(0xDEAD0000));
  }
  e.record.NumberParameters = 0;
  EXPECT_EQ(DescribeFault(e.record, e.context).accessAddress, nullptr);
}

[[noreturn]] void Target() {
  ::ExitProcess(99);
}

TEST(Win32FaultContext, RedirectingEntersTheTargetAsIfCalledOnTheNewStackWithFlagsCleared) {
  Exception e = X87Fault(kExceptionFltDivideByZero,
                         CONTEXT_FULL | CONTEXT_FLOATING_POINT | CONTEXT_EXTENDED_REGISTERS);
  e.context.FloatSave.StatusWord = 0xB884;  // busy, summary, zero divide, top 7
  WORD fxStatus = 0xB884;
  std::memcpy(e.context.ExtendedRegisters + 2, &fxStatus, sizeof fxStatus);
  e.context.EFlags = 0x246 | 0x400;
  alignas(16) static unsigned char stack[256];
  std::memset(stack, 0xCC, sizeof stack);
  unsigned char* top = stack + sizeof stack - 3;  // an unaligned top is aligned down

  RedirectContext(&e.context, Target, top);

  EXPECT_EQ(e.context.Eip, reinterpret_cast<DWORD>(&Target));
  EXPECT_EQ((e.context.Esp + 4) % 16, 0u);
  EXPECT_GE(e.context.Esp, reinterpret_cast<DWORD>(stack));
  EXPECT_LE(e.context.Esp + 4, reinterpret_cast<DWORD>(top));
  DWORD returnAddress;
  std::memcpy(&returnAddress, reinterpret_cast<void*>(e.context.Esp), sizeof returnAddress);
  EXPECT_EQ(returnAddress, 0u);
  // The exception flags, summary and busy bits go; the stack top stays.
  EXPECT_EQ(e.context.FloatSave.StatusWord, 0x3800u);
  std::memcpy(&fxStatus, e.context.ExtendedRegisters + 2, sizeof fxStatus);
  EXPECT_EQ(fxStatus, 0x3800);
  EXPECT_EQ(e.context.EFlags, 0x246u);
}

}  // namespace
}  // namespace zaveredo::platform::win32
