// The x87 floating-point unit's control word. The run works under 0x1332: 64-bit significand,
// round to nearest, invalid operation, division by zero and overflow unmasked.
#pragma once

#include <cstdint>

namespace zaveredo {

inline constexpr std::uint16_t kRunControlWord = 0x1332;
// Bit 6 is reserved and reads back as 1: compare control words with it masked.
inline constexpr std::uint16_t kControlWordReservedBit = 0x0040;

inline std::uint16_t GetControlWord() {
  std::uint16_t cw;
  asm volatile("fnstcw %0" : "=m"(cw));
  return cw;
}

inline void SetControlWord(std::uint16_t cw) {
  asm volatile("fclex\n\tfldcw %0" : : "m"(cw));
}

// Resets the unit (clearing pending exceptions and the register stack) and loads 0x1332.
inline void ResetFpu() {
  std::uint16_t cw = kRunControlWord;
  asm volatile("fninit\n\tfldcw %0" : : "m"(cw));
}

}  // namespace zaveredo
