// Processor faults made on purpose for tests, each in a small routine of its own so that a test
// can check that the reported address lies inside it. The x87 ones fault only under the run's
// control word (ResetFpu); the fwait makes the deferred x87 fault arrive inside the routine.
#pragma once

#include <cstdint>

namespace zaveredo::test_support {

[[gnu::noinline]] inline void X87DivideByZero() {
  static const double zero = 0.0;
  asm volatile("fld1\n\tfdivl %0\n\tfwait\n\tfstp %%st(0)" : : "m"(zero) : "memory");
}

[[gnu::noinline]] inline void X87ZeroByZero() {
  static const double zero = 0.0;
  asm volatile("fldz\n\tfdivl %0\n\tfwait\n\tfstp %%st(0)" : : "m"(zero) : "memory");
}

[[gnu::noinline]] inline void X87Overflow() {
  static const long double largest = 1.18973149535723176502e+4932L;
  asm volatile("fldt %0\n\tfadd %%st(0), %%st\n\tfwait\n\tfstp %%st(0)"
               :
               : "m"(largest)
               : "memory");
}

// Underflow faults only where its exception is unmasked, which the run's control word leaves
// masked: this routine unmasks it first.
[[gnu::noinline]] inline void X87Underflow() {
  static const std::uint16_t underflowUnmasked = 0x1332 & ~0x0010;
  static const long double tiny = 1e-4000L;
  asm volatile("fldcw %0\n\tfldt %1\n\tfmul %%st(0), %%st\n\tfwait\n\tfstp %%st(0)"
               :
               : "m"(underflowUnmasked), "m"(tiny)
               : "memory");
}

// A value far outside the 64-bit integers stored with fistp, as a Comp store would.
[[gnu::noinline]] inline void X87HugeIntegerStore() {
  static const long double huge = 1e30L;
  static std::int64_t target;
  asm volatile("fldt %1\n\tfistpll %0\n\tfwait" : "=m"(target) : "m"(huge) : "memory");
}

[[gnu::noinline]] inline void IntegerDivideByZero() {
  asm volatile("xorl %%ecx, %%ecx\n\txorl %%edx, %%edx\n\tmovl $1, %%eax\n\tdivl %%ecx"
               :
               :
               : "eax", "ecx", "edx");
}

[[gnu::noinline]] inline void WriteToLowAddress() {
  asm volatile("movl $1, 0x10" : : : "memory");
}

[[gnu::noinline]] inline void ReadFromLowAddress() {
  asm volatile("movl 0x10, %%eax" : : : "eax", "memory");
}

[[gnu::noinline]] inline void IllegalInstruction() {
  asm volatile("ud2");
}

[[gnu::noinline]] inline void PrivilegedInstruction() {
  asm volatile("hlt");
}

// Recurses until the stack is used up; the frames cannot be folded into a loop.
inline volatile int exhaustStackLimit = -1;  // never reached; keeps the recursion finite in form
[[gnu::noinline]] inline int ExhaustStack(int depth) {
  if (depth == exhaustStackLimit) return 0;
  volatile char frame[512];
  frame[0] = static_cast<char>(depth);
  int below = ExhaustStack(depth + 1);
  asm volatile("" : : "r"(&frame[0]) : "memory");
  return below + frame[0];
}

// Whether a code address lies in the routine's first bytes (all the makers above are short).
inline bool InsideRoutine(const void* address, void (*routine)()) {
  auto a = reinterpret_cast<std::uintptr_t>(address);
  auto start = reinterpret_cast<std::uintptr_t>(routine);
  return a >= start && a < start + 128;
}

}  // namespace zaveredo::test_support
