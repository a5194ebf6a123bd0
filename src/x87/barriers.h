// Optimisation barriers: empty instructions that cost nothing at run time but keep the
// compiler from removing or reshaping work that is part of what the benchmark measures.
#pragma once

namespace zaveredo::x87 {

// Forgets what the compiler knows about an integer, so that a check on it is not merged with
// an earlier check on the same value.
template <typename T>
[[gnu::always_inline]] inline void HideValue(T& value) {
  asm volatile("" : "+r"(value));
}

// The same for an extended value, which stays on the x87 register stack: an operation on it
// runs on this processor at run time instead of being folded at compile time.
[[gnu::always_inline]] inline void HideValue(long double& value) {
  asm volatile("" : "+t"(value));
}

// Every store to memory so far must happen one by one, so a loop of stores is not turned
// into a library call (memset) that writes in another way. `written` is the latest address.
[[gnu::always_inline]] inline void KeepStores(const void* written) {
  asm volatile("" : : "r"(written) : "memory");
}

// A point the compiler may not move or drop: placed after a call, it keeps that call a real
// call instead of a jump that reuses the caller's frame.
[[gnu::always_inline]] inline void KeepCallBefore() {
  asm volatile("");
}

}  // namespace zaveredo::x87
