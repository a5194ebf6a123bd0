// The x87 control word: its fields as names, the run's own word, the instructions that read
// and load it, and a scope that changes rounding or precision for one step.
#pragma once

#include <cstdint>

namespace zaveredo::x87 {

// Bits 8-9: the significand width every arithmetic result is rounded to.
enum class Precision : std::uint16_t { kSingle = 0, kDouble = 2, kExtended = 3 };

// Bits 10-11: how a result is rounded to that width.
enum class Rounding : std::uint16_t { kNearest = 0, kDown = 1, kUp = 2, kTowardZero = 3 };

class ControlWord {
 public:
  constexpr explicit ControlWord(std::uint16_t bits) : bits_(bits) {}

  constexpr std::uint16_t Bits() const { return bits_; }

  constexpr ControlWord With(Precision precision) const {
    return WithField(kPrecisionShift, static_cast<std::uint16_t>(precision));
  }
  constexpr ControlWord With(Rounding rounding) const {
    return WithField(kRoundingShift, static_cast<std::uint16_t>(rounding));
  }

  // Bit 6 is reserved and reads back as 1, so two words are equal when all other bits are.
  constexpr bool operator==(ControlWord other) const {
    return ((bits_ ^ other.bits_) & ~kReservedBit) == 0;
  }

 private:
  static constexpr int kPrecisionShift = 8;
  static constexpr int kRoundingShift = 10;
  static constexpr unsigned kReservedBit = 0x0040;

  constexpr ControlWord WithField(int shift, std::uint16_t value) const {
    auto cleared = static_cast<std::uint16_t>(bits_ & ~(3u << shift));
    return ControlWord(static_cast<std::uint16_t>(cleared | value << shift));
  }

  std::uint16_t bits_;
};

// The run's word: 64-bit significand, round to nearest, invalid operation, division by zero
// and overflow unmasked; denormal, underflow and inexact masked.
inline constexpr ControlWord kRunControlWord{0x1332};

// Into memory, where a later fldcw can take it from.
inline void StoreControlWord(std::uint16_t* to) {
  asm volatile("fnstcw %0" : "=m"(*to));
}

inline ControlWord ControlWordInForce() {
  std::uint16_t bits;
  StoreControlWord(&bits);
  return ControlWord(bits);
}

// Loads a word that differs from the one in force at most in precision and rounding. fldcw
// waits first, so a pending unmasked exception still traps here rather than being lost.
inline void LoadControlWord(ControlWord word) {
  std::uint16_t bits = word.Bits();
  asm volatile("fldcw %0" : : "m"(bits));
}

// Any other word. Clears the exception flags first: a flag left from masked work must not trap
// once its exception is unmasked by the new word.
inline void SetControlWord(ControlWord word) {
  std::uint16_t bits = word.Bits();
  asm volatile("fclex\n\tfldcw %0" : : "m"(bits));
}

// Resets the unit (clearing pending exceptions and the register stack) and loads the word.
inline void ResetFpu(ControlWord word = kRunControlWord) {
  std::uint16_t bits = word.Bits();
  asm volatile("fninit\n\tfldcw %0" : : "m"(bits));
}

// Puts a copy of the word in force, with the given rounding and precision, in force for the scope's
// lifetime, then loads the saved word back. The exception masks are never changed.
class ControlWordScope {
 public:
  ControlWordScope(Rounding rounding, Precision precision) : saved_(ControlWordInForce()) {
    LoadControlWord(saved_.With(rounding).With(precision));
  }
  ~ControlWordScope() { LoadControlWord(saved_); }
  ControlWordScope(const ControlWordScope&) = delete;
  ControlWordScope& operator=(const ControlWordScope&) = delete;

 private:
  ControlWord saved_;
};

}  // namespace zaveredo::x87
