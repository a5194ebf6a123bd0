// The generators of the floating types and currency: a draw below 100000 divided by K.
#include <cstdint>

#include "runtime/errors/checked.h"
#include "runtime/random.h"
#include "workloads/arrays.h"
#include "workloads/constants.h"
#include "workloads/fill_loop.h"
#include "workloads/generators.h"
#include "workloads/real48.h"
#include "x87/guarded_divide.h"
#include "x87/instructions.h"

namespace zaveredo {

namespace {

[[gnu::always_inline]] inline long double DrawQuotient() {
  std::int32_t a = RandomBelow(100000);
  return GuardedDivide(a, x87::LoadExtended(kFloatDivisor));
}

// Byte address of element i at a width of 2 * factor, the multiplication by factor checked.
[[gnu::always_inline]] inline void* PackedElement(ElementType type, std::int32_t i,
                                                  std::int32_t factor) {
  std::intptr_t offset = std::intptr_t{CheckedMul<std::int32_t>(i, factor)} * 2;
  return static_cast<std::uint8_t*>(ArrayOf(type).data) + offset;
}

}  // namespace

// real and double compile to the same code; noipa keeps them two routines.
[[gnu::noipa]] void FillReal() {
  FillLoop([](std::int32_t i) {
    long double q = DrawQuotient();
    DynamicArray& array = ArrayOf(ElementType::kReal);
    CheckIndex(i, array.length);
    x87::StoreDouble(q, static_cast<double*>(array.data) + i);
  });
}

// No index check here: the driver sized the array to ElementCount.
void FillReal48() {
  FillLoop([](std::int32_t i) {
    long double q = DrawQuotient();
    ExtendedToReal48(q, static_cast<Real48*>(PackedElement(ElementType::kReal48, i, 3)));
  });
}

void FillSingle() {
  FillLoop([](std::int32_t i) {
    long double q = DrawQuotient();
    DynamicArray& array = ArrayOf(ElementType::kSingle);
    CheckIndex(i, array.length);
    x87::StoreSingle(q, static_cast<float*>(array.data) + i);
  });
}

[[gnu::noipa]] void FillDouble() {
  FillLoop([](std::int32_t i) {
    long double q = DrawQuotient();
    DynamicArray& array = ArrayOf(ElementType::kDouble);
    CheckIndex(i, array.length);
    x87::StoreDouble(q, static_cast<double*>(array.data) + i);
  });
}

// No index check here either, as for real48.
void FillExtended() {
  FillLoop([](std::int32_t i) {
    long double q = DrawQuotient();
    x87::StoreExtended(q, static_cast<Extended*>(PackedElement(ElementType::kExtended, i, 5)));
  });
}

void FillCurrency() {
  FillLoop([](std::int32_t i) {
    long double scaled = DrawQuotient() * kCurrencyScale;
    DynamicArray& array = ArrayOf(ElementType::kCurrency);
    CheckIndex(i, array.length);
    x87::StoreInt64(scaled, static_cast<std::int64_t*>(array.data) + i);
  });
}

}  // namespace zaveredo
