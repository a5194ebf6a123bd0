#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/codepage.h"
#include "platform/faults.h"
#include "runtime/errors/fault_errors.h"
#include "tests/runtime/errors/fault_makers.h"
#include "x87/control_word.h"

namespace zaveredo {
namespace {

namespace p = platform;

struct Seen {
  std::string kind;
  std::string message;
  const void* address = nullptr;
};

Seen ErrorOf(const p::FaultInfo& fault) {
  Error error = ErrorOfFault(fault);
  return {error.KindName(), error.Message(), error.Address()};
}

void CallRoutine(void* routine) {
  x87::ResetFpu();
  reinterpret_cast<void (*)()>(routine)();
}

// Runs the routine under a fault guard and returns the fault it made.
p::FaultInfo FaultOf(void (*routine)()) {
  p::FaultInfo fault;
  bool completed = p::RunFaultGuarded(&CallRoutine, reinterpret_cast<void*>(routine), &fault);
  x87::ResetFpu();
  EXPECT_FALSE(completed) << "no fault";
  return fault;
}

std::string Ansi(const char* utf8) {
  return p::Utf8ToAnsi(utf8);
}

TEST(FaultErrors, RealFaultsBecomeTheirKindsAtTheFaultingRoutine) {
  struct Case {
    void (*routine)();
    const char* kind;
    const char* message;
  } cases[] = {
      {&test_support::X87DivideByZero, "EZeroDivide", "Gleitkommadivision durch Null"},
      {&test_support::X87ZeroByZero, "EInvalidOp", "Ungültige Gleitkommaoperation"},
      {&test_support::X87HugeIntegerStore, "EInvalidOp", "Ungültige Gleitkommaoperation"},
      {&test_support::X87Overflow, "EOverflow", "Gleitkommaüberlauf"},
      {&test_support::IntegerDivideByZero, "EDivByZero", "Division durch Null"},
      {&test_support::PrivilegedInstruction, "EPrivilege", "Privilegierte Anweisung"},
      {&test_support::IllegalInstruction, "EExternalException", "Externe Exception C000001D"},
  };
  for (const Case& c : cases) {
    Seen seen = ErrorOf(FaultOf(c.routine));
    EXPECT_EQ(seen.kind, c.kind);
    EXPECT_EQ(seen.message, Ansi(c.message)) << c.kind;
    EXPECT_TRUE(test_support::InsideRoutine(seen.address, c.routine)) << c.kind;
  }
}

void OverflowStack() {
  test_support::ExhaustStack(0);
}

TEST(FaultErrors, DeepRecursionIsAStackOverflow) {
  Seen seen = ErrorOf(FaultOf(&OverflowStack));
  EXPECT_EQ(seen.kind, "EStackOverflow");
  EXPECT_EQ(seen.message, Ansi("Stack-Überlauf"));
}

std::string PointerDigits(const void* address) {
  char text[32];
  std::snprintf(text, sizeof text, "%0*llX", static_cast<int>(2 * sizeof(void*)),
                static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(address)));
  return text;
}

void ExpectAccessViolation(void (*routine)(), const char* access) {
  p::FaultInfo fault = FaultOf(routine);
  Seen seen = ErrorOf(fault);
  EXPECT_EQ(seen.kind, "EAccessViolation");
  EXPECT_TRUE(test_support::InsideRoutine(seen.address, routine));
  std::string head =
      "Zugriffsverletzung bei Adresse " + PointerDigits(seen.address) + " in Modul '";
  std::string tail = std::string("'. ") + access + " von Adresse " +
                     PointerDigits(reinterpret_cast<const void*>(0x10));
  ASSERT_GT(seen.message.size(), head.size() + tail.size());
  EXPECT_EQ(seen.message.substr(0, head.size()), head);
  EXPECT_EQ(seen.message.substr(seen.message.size() - tail.size()), tail);
  std::string module =
      seen.message.substr(head.size(), seen.message.size() - head.size() - tail.size());
  EXPECT_EQ(module.rfind("runtime_tests", 0), 0u) << module;
}

TEST(FaultErrors, AccessViolationNamesPlaceModuleAccessAndAddress) {
  ExpectAccessViolation(&test_support::WriteToLowAddress, "Schreiben");
  ExpectAccessViolation(&test_support::ReadFromLowAddress, "Lesen");
}

TEST(FaultErrors, AccessViolationOutsideAnyModuleLeavesTheModuleOut) {
  int onTheStack = 0;
  p::FaultInfo fault;
  fault.code = p::kExceptionAccessViolation;
  fault.address = &onTheStack;  // no module holds the stack
  fault.accessAddress = reinterpret_cast<const void*>(0x20);
  Seen seen = ErrorOf(fault);
  EXPECT_EQ(seen.message, "Zugriffsverletzung bei Adresse " + PointerDigits(&onTheStack) +
                              ". Lesen von Adresse " +
                              PointerDigits(reinterpret_cast<const void*>(0x20)));
}

// The codes the run's control word or Linux never produces, each by its table row.
TEST(FaultErrors, EveryCodeOfTheTableHasItsKind) {
  struct Case {
    std::uint32_t code;
    const char* kind;
    const char* message;
  } cases[] = {
      {p::kExceptionArrayBoundsExceeded, "ERangeError", "Fehler bei Bereichsprüfung"},
      {p::kExceptionIntOverflow, "EIntOverflow", "Integerüberlauf"},
      {p::kExceptionFltInexactResult, "EInvalidOp", "Ungültige Gleitkommaoperation"},
      {p::kExceptionFltStackCheck, "EInvalidOp", "Ungültige Gleitkommaoperation"},
      {p::kExceptionFltDenormalOperand, "EUnderflow", "Gleitkommaunterlauf"},
      {p::kExceptionFltUnderflow, "EUnderflow", "Gleitkommaunterlauf"},
      {p::kStatusControlCExit, "EControlC", "Strg+C gedrückt"},
      {0xE06D7363u, "EExternalException", "Externe Exception E06D7363"},
      {0x80000003u, "EExternalException", "Externe Exception 80000003"},
  };
  for (const Case& c : cases) {
    p::FaultInfo fault;
    fault.code = c.code;
    Seen seen = ErrorOf(fault);
    EXPECT_EQ(seen.kind, c.kind) << std::hex << c.code;
    EXPECT_EQ(seen.message, Ansi(c.message)) << std::hex << c.code;
  }
}

}  // namespace
}  // namespace zaveredo
