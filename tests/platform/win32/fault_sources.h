// Small routines that fault in one known way, each with the address of the instruction that
// causes the fault, so a test can check where the fault is reported.
#pragma once

#include <cstdint>

extern "C" {
void ZavFaultWriteLow();       // writes to address 0x10
void ZavFaultReadHigh();       // reads from address 0xFFFFFFF0
void ZavFaultIntegerDivide();  // integer division by zero
void ZavFaultX87Divide();      // 1 / 0 in the x87 unit, delivered by the following store
void ZavFaultX87Invalid();     // the square root of -1
void ZavFaultX87Overflow();    // the largest extended value times itself
void ZavFaultIllegal();        // ud2
void ZavFaultPrivileged();     // hlt, which user code may not run
void ZavLoadRunControlWord();  // fldcw 0x1332

extern const char ZavFaultWriteLowAt[];
extern const char ZavFaultReadHighAt[];
extern const char ZavFaultIntegerDivideAt[];
extern const char ZavFaultX87DivideAt[];
extern const char ZavFaultX87DivideStoreAt[];
extern const char ZavFaultX87InvalidAt[];
extern const char ZavFaultX87OverflowAt[];
extern const char ZavFaultIllegalAt[];
extern const char ZavFaultPrivilegedAt[];
}

namespace zaveredo::platform::test {

// Recurses until the stack is exhausted.
void ExhaustStack();

// The x87 unit's control, status and tag words.
struct X87State {
  std::uint16_t control;
  std::uint16_t status;
  std::uint16_t tags;
};
X87State ReadX87State();

}  // namespace zaveredo::platform::test
