#include <gtest/gtest.h>

#include <cstdio>
#include <string>

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

// The report places a fault at the faulting instruction; kinds and messages are shown in
// failure_reports_test.cpp.
TEST(FaultErrors, RealFaultsAreRaisedAtTheFaultingRoutine) {
  for (void (*routine)() :
       {&test_support::X87DivideByZero, &test_support::X87ZeroByZero,
        &test_support::X87HugeIntegerStore, &test_support::X87Overflow,
        &test_support::IntegerDivideByZero, &test_support::PrivilegedInstruction,
        &test_support::IllegalInstruction}) {
    Seen seen = ErrorOf(FaultOf(routine));
    EXPECT_TRUE(test_support::InsideRoutine(seen.address, routine)) << seen.kind;
  }
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

}  // namespace
}  // namespace zaveredo
