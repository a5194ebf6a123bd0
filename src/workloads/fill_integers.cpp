// The generators of the 1-, 2- and 4-byte integer types: a draw divided by P, rounded to an
// integer, shifted down for the signed types, range-checked, then stored.
#include <cstdint>

#include "runtime/errors/checked.h"
#include "runtime/random.h"
#include "workloads/checked_store.h"
#include "workloads/constants.h"
#include "workloads/fill_loop.h"
#include "workloads/generators.h"
#include "x87/guarded_divide.h"
#include "x87/instructions.h"
#include "x87/integer_rounding.h"

namespace zaveredo {

namespace {

[[gnu::always_inline]] inline std::int64_t DrawRounded(std::int32_t below) {
  std::int32_t a = RandomBelow(below);
  return RoundToInt64(GuardedDivide(a, x87::LoadExtended(kIntegerDivisor)));
}

}  // namespace

void FillInteger() {
  FillLoop([](std::int32_t i) {
    std::int64_t v = CheckedSub<std::int64_t>(DrawRounded(100000), 200000);
    StoreChecked<std::int32_t>(ElementType::kInteger, i, v, INT32_MIN, INT32_MAX);
  });
}

void FillByte() {
  FillLoop([](std::int32_t i) {
    StoreChecked<std::uint8_t>(ElementType::kByte, i, DrawRounded(255), 0, 255);
  });
}

void FillShortInt() {
  FillLoop([](std::int32_t i) {
    std::int64_t v = CheckedSub<std::int64_t>(DrawRounded(127), 128);
    StoreChecked<std::int8_t>(ElementType::kShortInt, i, v, -128, 127);
  });
}

void FillWord() {
  FillLoop([](std::int32_t i) {
    StoreChecked<std::uint16_t>(ElementType::kWord, i, DrawRounded(65535), 0, 65535);
  });
}

void FillSmallInt() {
  FillLoop([](std::int32_t i) {
    std::int64_t v = CheckedSub<std::int64_t>(DrawRounded(32767), 32768);
    StoreChecked<std::int16_t>(ElementType::kSmallInt, i, v, -32768, 32767);
  });
}

void FillCardinal() {
  FillLoop([](std::int32_t i) {
    StoreChecked<std::uint32_t>(ElementType::kCardinal, i, DrawRounded(100000), 0, UINT32_MAX);
  });
}

void FillLongWord() {
  FillLoop([](std::int32_t i) {
    StoreChecked<std::uint32_t>(ElementType::kLongWord, i, DrawRounded(2147483647), 0, UINT32_MAX);
  });
}

void FillLongInt() {
  FillLoop([](std::int32_t i) {
    std::int64_t v = CheckedSub<std::int64_t>(DrawRounded(2147483647), 2147483648);
    StoreChecked<std::int32_t>(ElementType::kLongInt, i, v, INT32_MIN, INT32_MAX);
  });
}

}  // namespace zaveredo
