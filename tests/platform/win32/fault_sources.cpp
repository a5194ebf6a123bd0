#include "tests/platform/win32/fault_sources.h"

// Each routine sets the control word it needs itself: faults must not depend on the caller's.
#if defined(_WIN64)
asm(R"(
    .data
    .p2align 4
zavRunControlWord: .short 0x1332
zavZero:           .double 0.0
zavMinusOne:       .double -1.0
zavLargest:        .byte 0xFF,0xFF,0xFF,0xFF,0xFF,0xFF,0xFF,0xFF,0xFE,0x7F,0,0,0,0,0,0
zavSink:           .double 0.0

    .text
    .globl ZavLoadRunControlWord
ZavLoadRunControlWord:
    fldcw zavRunControlWord(%rip)
    ret

    .globl ZavFaultWriteLow, ZavFaultWriteLowAt
ZavFaultWriteLow:
ZavFaultWriteLowAt:
    movl $1, 0x10
    ret

    .globl ZavFaultReadHigh, ZavFaultReadHighAt
ZavFaultReadHigh:
    movl $0xFFFFFFF0, %ecx
ZavFaultReadHighAt:
    movl (%rcx), %eax
    ret

    .globl ZavFaultIntegerDivide, ZavFaultIntegerDivideAt
ZavFaultIntegerDivide:
    movl $1, %eax
    xorl %edx, %edx
    xorl %ecx, %ecx
ZavFaultIntegerDivideAt:
    divl %ecx
    ret

    .globl ZavFaultX87Divide, ZavFaultX87DivideAt, ZavFaultX87DivideStoreAt
ZavFaultX87Divide:
    fninit
    fldcw zavRunControlWord(%rip)
    fld1
ZavFaultX87DivideAt:
    fdivl zavZero(%rip)
ZavFaultX87DivideStoreAt:
    fstpl zavSink(%rip)
    ret

    .globl ZavFaultX87Invalid, ZavFaultX87InvalidAt
ZavFaultX87Invalid:
    fninit
    fldcw zavRunControlWord(%rip)
    fldl zavMinusOne(%rip)
ZavFaultX87InvalidAt:
    fsqrt
    fstpl zavSink(%rip)
    ret

    .globl ZavFaultX87Overflow, ZavFaultX87OverflowAt
ZavFaultX87Overflow:
    fninit
    fldcw zavRunControlWord(%rip)
    fldt zavLargest(%rip)
    fld %st(0)
ZavFaultX87OverflowAt:
    fmulp
    fstpl zavSink(%rip)
    ret

    .globl ZavFaultIllegal, ZavFaultIllegalAt
ZavFaultIllegal:
ZavFaultIllegalAt:
    ud2
    ret

    .globl ZavFaultPrivileged, ZavFaultPrivilegedAt
ZavFaultPrivileged:
ZavFaultPrivilegedAt:
    hlt
    ret
)");
#else
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
#endif

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
