#include "tests/platform/win32/fault_sources.h"

// Each routine sets the control word it needs itself: faults must not depend on the caller's.
asm(R"(
    .data
    .p2align 4
zavRunControlWord: .short 0x1332
zavZero:           .double 0.0
zavMinusOne:       .double -1.0
zavLargest:        .byte 0xFF,0xFF,0xFF,0xFF,0xFF,0xFF,0xFF,0xFF,0xFE,0x7F,0,0,0,0,0,0
zavSink:           .double 0.0

    .text
    .globl _ZavLoadRunControlWord
_ZavLoadRunControlWord:
    fldcw zavRunControlWord
    ret

    .globl _ZavFaultWriteLow, _ZavFaultWriteLowAt
_ZavFaultWriteLow:
_ZavFaultWriteLowAt:
    movl $1, 0x10
    ret

    .globl _ZavFaultReadHigh, _ZavFaultReadHighAt
_ZavFaultReadHigh:
_ZavFaultReadHighAt:
    movl 0xFFFFFFF0, %eax
    ret

    .globl _ZavFaultIntegerDivide, _ZavFaultIntegerDivideAt
_ZavFaultIntegerDivide:
    movl $1, %eax
    xorl %edx, %edx
    xorl %ecx, %ecx
_ZavFaultIntegerDivideAt:
    divl %ecx
    ret

    .globl _ZavFaultX87Divide, _ZavFaultX87DivideAt, _ZavFaultX87DivideStoreAt
_ZavFaultX87Divide:
    fninit
    fldcw zavRunControlWord
    fld1
_ZavFaultX87DivideAt:
    fdivl zavZero
_ZavFaultX87DivideStoreAt:
    fstpl zavSink
    ret

    .globl _ZavFaultX87Invalid, _ZavFaultX87InvalidAt
_ZavFaultX87Invalid:
    fninit
    fldcw zavRunControlWord
    fldl zavMinusOne
_ZavFaultX87InvalidAt:
    fsqrt
    fstpl zavSink
    ret

    .globl _ZavFaultX87Overflow, _ZavFaultX87OverflowAt
_ZavFaultX87Overflow:
    fninit
    fldcw zavRunControlWord
    fldt zavLargest
    fld %st(0)
_ZavFaultX87OverflowAt:
    fmulp
    fstpl zavSink
    ret

    .globl _ZavFaultIllegal, _ZavFaultIllegalAt
_ZavFaultIllegal:
_ZavFaultIllegalAt:
    ud2
    ret

    .globl _ZavFaultPrivileged, _ZavFaultPrivilegedAt
_ZavFaultPrivileged:
_ZavFaultPrivilegedAt:
    hlt
    ret
)");

namespace zaveredo::platform::test {
namespace {

volatile bool keepGoing = true;

int Recurse(int depth) {
  volatile char frame[256];
  frame[0] = static_cast<char>(depth);
  if (!keepGoing) return frame[0];
  return Recurse(depth + 1) + frame[0];
}

}  // namespace

void ExhaustStack() {
  Recurse(0);
}

X87State ReadX87State() {
  std::uint16_t environment[14];  // fnstenv's 28-byte protected-mode image
  asm volatile("fnstenv %0\n\tfldenv %0" : "+m"(environment));
  return X87State{environment[0], environment[2], environment[4]};
}

}  // namespace zaveredo::platform::test
