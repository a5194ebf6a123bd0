#include "floor_work.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace zaveredo::floor_work {

namespace {

// --- What every phase needs: failures, checked steps, the draw, the division -----------------

[[noreturn, gnu::cold, gnu::noinline]] void Fail(const char* what) {
  std::fprintf(stderr, "floor: %s\n", what);
  std::abort();
}

[[noreturn, gnu::cold, gnu::noinline]] void FailRange() {
  Fail("range check");
}

[[noreturn, gnu::cold, gnu::noinline]] void FailOverflow() {
  Fail("integer overflow");
}

template <typename T>
[[gnu::always_inline]] inline T Add(T a, T b) {
  T r;
  if (__builtin_add_overflow(a, b, &r)) [[unlikely]]
    FailOverflow();
  return r;
}

template <typename T>
[[gnu::always_inline]] inline T Sub(T a, T b) {
  T r;
  if (__builtin_sub_overflow(a, b, &r)) [[unlikely]]
    FailOverflow();
  return r;
}

template <typename T>
[[gnu::always_inline]] inline T Mul(T a, T b) {
  T r;
  if (__builtin_mul_overflow(a, b, &r)) [[unlikely]]
    FailOverflow();
  return r;
}

// 0 <= k < count as one unsigned compare the compiler cannot see through, so it neither merges
// two checks nor learns from one that k is not negative.
[[gnu::always_inline]] inline void CheckIndex(std::int32_t k, std::uint32_t count) {
  asm goto("cmp %1, %0\n\tjae %l2" : : "r"(k), "r"(count) : "cc" : outside);
  return;
outside:
  FailRange();
}

// Volatile: read and written in memory on every draw and every element, as the work requires.
volatile std::uint32_t gSeed = 0;
volatile std::int32_t gCount = 0;
volatile std::uint8_t gDividerSound = 0;

[[gnu::always_inline]] inline std::int32_t Draw(std::int32_t below) {
  std::uint32_t seed = gSeed * 134775813u + 1u;
  gSeed = seed;
  return static_cast<std::int32_t>((std::uint64_t{static_cast<std::uint32_t>(below)} * seed) >> 32);
}

struct Bytes10 {
  std::uint8_t b[10];
};

// The divisors, as the unit stores them.
const Bytes10 kFloatDivisor{{0x12, 0x61, 0xC8, 0xE9, 0x62, 0xDA, 0x6F, 0xF5, 0x0D, 0x40}};
const Bytes10 kIntegerDivisor{{0x35, 0xC2, 0x68, 0x21, 0xA2, 0xDA, 0x0F, 0xC9, 0x00, 0x40}};
volatile float gCurrencyScale = 10000.0f;
volatile float gOne = 1.0f;
volatile long double gBoundBase = 2.0L;
volatile long double gBoundExponent = 31.0L;

[[gnu::always_inline]] inline long double Divide(long double dividend, long double divisor) {
  long double q;
  asm volatile("fdiv %%st(1), %%st" : "=t"(q) : "0"(dividend), "u"(divisor));
  return q;
}

// a / divisor behind the verdict test. The floor runs only on a sound divider.
[[gnu::always_inline]] inline long double Quotient(std::int32_t a, const Bytes10& divisor) {
  if (gDividerSound != 1) [[unlikely]]
    Fail("divider not tested or flawed");
  // Loaded for every division: the unit divides by an extended value only in a register.
  long double d;
  asm volatile("fldt %1" : "=t"(d) : "m"(divisor));
  return Divide(static_cast<long double>(a), d);
}

[[gnu::always_inline]] inline std::int64_t RoundInt64(long double v) {
  std::int64_t r;
  asm volatile("fistpll %0\n\tfwait" : "=m"(r) : "t"(v) : "st");
  return r;
}

[[gnu::always_inline]] inline std::uint16_t ControlWord() {
  std::uint16_t cw;
  asm volatile("fnstcw %0" : "=m"(cw));
  return cw;
}

// Toward zero at full precision for the one store.
[[gnu::always_inline]] inline std::int64_t TruncInt64(long double v) {
  std::uint16_t saved = ControlWord();
  std::uint16_t towardZero = static_cast<std::uint16_t>(saved | 0x0F00);
  std::int64_t r;
  asm volatile("fldcw %2\n\tfistpll %0\n\tfwait\n\tfldcw %3"
               : "=m"(r)
               : "t"(v), "m"(towardZero), "m"(saved)
               : "st");
  return r;
}

[[gnu::always_inline]] inline long double TruncInteger(long double v) {
  std::uint16_t saved = ControlWord();
  std::uint16_t towardZero = static_cast<std::uint16_t>(saved | 0x0C00);
  asm volatile("fldcw %1\n\tfrndint\n\tfldcw %2" : "+t"(v) : "m"(towardZero), "m"(saved));
  return v;
}

// --- The arrays ----------------------------------------------------------------------------------

struct Array {
  void* data;
  std::int32_t length;
};
Array gArrays[kElementTypeCount];

template <typename T>
[[gnu::always_inline]] inline T* Elements(ElementType type) {
  return static_cast<T*>(gArrays[static_cast<int>(type)].data);
}

[[gnu::always_inline]] inline std::uint32_t Length(ElementType type) {
  return static_cast<std::uint32_t>(gArrays[static_cast<int>(type)].length);
}

// --- Fills ---------------------------------------------------------------------------------------

// Body for i = 0, then again while count - 1 >= the next i; the count read anew each time.
template <typename Body>
[[gnu::always_inline]] inline void Loop(Body body) {
  std::int32_t i = 0;
  do {
    body(i);
    i = Add<std::int32_t>(i, 1);
  } while (Sub<std::int32_t>(gCount, 1) >= i);
}

template <typename T>
[[gnu::always_inline]] inline T* Checked(ElementType type, std::int32_t i) {
  CheckIndex(i, Length(type));
  return Elements<T>(type) + i;
}

// Byte offset of element i at a width of 2 * factor, the multiplication checked.
[[gnu::always_inline]] inline std::uint8_t* Packed(ElementType type, std::int32_t i,
                                                   std::int32_t factor) {
  return Elements<std::uint8_t>(type) + std::intptr_t{Mul(i, factor)} * 2;
}

[[gnu::always_inline]] inline long double R48ToExtended(const std::uint8_t* p) {
  asm volatile("" : "+r"(p));  // every conversion reads its bytes anew
  std::uint16_t low;
  std::uint32_t high;
  std::memcpy(&low, p, 2);
  std::memcpy(&high, p + 2, 4);
  std::uint64_t e = low & 0xFFu;
  std::uint64_t bits = std::uint64_t{high >> 31} << 63 | (e + 894) << 52 |
                       std::uint64_t{high & 0x7FFFFFFFu} << 21 | (std::uint64_t{low} >> 8) << 13;
  if (e == 0) bits = 0;
  long double x;
  asm volatile("fldl %1" : "=t"(x) : "m"(bits));
  return x;
}

[[gnu::always_inline]] inline void ExtendedToR48(long double v, std::uint8_t* to) {
  Bytes10 x;
  asm volatile("fstpt %0" : "=m"(x) : "t"(v) : "st");
  std::uint64_t m;
  std::uint16_t signAndExponent;
  std::memcpy(&m, x.b, 8);
  std::memcpy(&signAndExponent, x.b + 8, 2);
  std::int32_t e = (signAndExponent & 0x7FFF) - 16254;
  std::uint64_t rounded = m + (std::uint64_t{1} << 23);
  if (rounded < m) {
    rounded = std::uint64_t{1} << 63;
    ++e;
  }
  std::uint16_t low = 0;
  std::uint32_t high = 0;
  if (e > 0) {
    if (e > 255) Fail("real48 overflow");
    low = static_cast<std::uint16_t>(e | (rounded >> 24 & 0xFFu) << 8);
    high = (static_cast<std::uint32_t>(rounded >> 32) & 0x7FFFFFFFu) |
           std::uint32_t{signAndExponent} >> 15 << 31;
  }
  std::memcpy(to, &low, 2);
  std::memcpy(to + 2, &high, 4);
}

template <typename T, char kind>
[[gnu::always_inline]] inline void StoreFloat(long double q, T* to) {
  if constexpr (kind == 's')
    asm volatile("fstps %0\n\tfwait" : "=m"(*to) : "t"(q) : "st");
  else
    asm volatile("fstpl %0\n\tfwait" : "=m"(*to) : "t"(q) : "st");
}

[[gnu::noipa]] void FillReal() {
  Loop([](std::int32_t i) {
    long double q = Quotient(Draw(100000), kFloatDivisor);
    StoreFloat<double, 'l'>(q, Checked<double>(ElementType::kReal, i));
  });
}

[[gnu::noipa]] void FillReal48() {
  Loop([](std::int32_t i) {
    long double q = Quotient(Draw(100000), kFloatDivisor);
    ExtendedToR48(q, Packed(ElementType::kReal48, i, 3));
  });
}

[[gnu::noipa]] void FillSingle() {
  Loop([](std::int32_t i) {
    long double q = Quotient(Draw(100000), kFloatDivisor);
    StoreFloat<float, 's'>(q, Checked<float>(ElementType::kSingle, i));
  });
}

[[gnu::noipa]] void FillDouble() {
  Loop([](std::int32_t i) {
    long double q = Quotient(Draw(100000), kFloatDivisor);
    StoreFloat<double, 'l'>(q, Checked<double>(ElementType::kDouble, i));
  });
}

[[gnu::noipa]] void FillExtended() {
  Loop([](std::int32_t i) {
    long double q = Quotient(Draw(100000), kFloatDivisor);
    asm volatile("fstpt %0"
                 : "=m"(*reinterpret_cast<Bytes10*>(Packed(ElementType::kExtended, i, 5)))
                 : "t"(q)
                 : "st");
  });
}

[[gnu::noipa]] void FillCurrency() {
  Loop([](std::int32_t i) {
    long double scaled = Quotient(Draw(100000), kFloatDivisor) * gCurrencyScale;
    std::int64_t* to = Checked<std::int64_t>(ElementType::kCurrency, i);
    asm volatile("fistpll %0\n\tfwait" : "=m"(*to) : "t"(scaled) : "st");
  });
}

// a / P rounded, minus shift (checked), range-checked, index-checked, stored.
template <typename T, ElementType type, std::int32_t below, std::int64_t shift, std::int64_t low,
          std::int64_t high>
[[gnu::noipa]] void FillRounded() {
  Loop([](std::int32_t i) {
    std::int64_t v = RoundInt64(Quotient(Draw(below), kIntegerDivisor));
    if constexpr (shift != 0) v = Sub<std::int64_t>(v, shift);
    if (v < low || v > high) [[unlikely]]
      FailRange();
    *Checked<T>(type, i) = static_cast<T>(v);
  });
}

// The general power routine, taken only through its integral-exponent path here.
[[gnu::always_inline]] inline long double Power(long double base, long double exponent) {
  if (exponent == 0.0L) return 1.0L;
  if (base == 0.0L && exponent > 0.0L) return 0.0L;
  long double whole = TruncInteger(exponent);
  if (!(whole == exponent && whole <= 2147483647.0L && whole >= -2147483647.0L))
    Fail("the floor has no fractional power");
  std::int32_t e = static_cast<std::int32_t>(RoundInt64(whole));
  std::uint32_t remaining =
      e < 0 ? 0u - static_cast<std::uint32_t>(e) : static_cast<std::uint32_t>(e);
  long double result = 1.0L;
  long double square = base;
  while (remaining != 0) {
    if (remaining & 1u) result *= square;
    remaining >>= 1;
    if (remaining != 0) square *= square;
  }
  return e < 0 ? Divide(1.0L, result) : result;
}

[[gnu::always_inline]] inline std::int64_t Bound() {
  return TruncInt64(Power(gBoundBase, gBoundExponent) - gOne);
}

[[gnu::always_inline]] inline std::int64_t DrawWide() {
  std::int32_t a = Draw(static_cast<std::int32_t>(static_cast<std::uint32_t>(Bound())));
  long double q = Quotient(a, kIntegerDivisor);
  std::int64_t m = Bound();
  long double bound;
  asm volatile("fildll %1" : "=t"(bound) : "m"(m));
  return RoundInt64(q - bound);
}

// Each variant starts a page and runs `pad` bytes of no-ops (once per call) before its body.
// The four pads put the loop at each 64-byte step modulo 256 bytes, in four pages: on the
// Zen 5 development machine one of the four is slow (see docs/performance.md).
template <int pad>
[[gnu::noipa, gnu::aligned(4096)]] void FillCompAt() {
  asm volatile(".if %c0\n\t.skip %c0, 0x90\n\t.endif" : : "i"(pad));
  Loop([](std::int32_t i) {
    std::int64_t v = DrawWide();
    std::int64_t* to = Checked<std::int64_t>(ElementType::kComp, i);
    asm volatile("fildll %1\n\tfistpll %0\n\tfwait" : "=m"(*to) : "m"(v) : "st(7)");
  });
}

template <int pad>
[[gnu::noipa, gnu::aligned(4096)]] void FillInt64At() {
  asm volatile(".if %c0\n\t.skip %c0, 0x90\n\t.endif" : : "i"(pad));
  Loop([](std::int32_t i) {
    std::int64_t v = DrawWide();
    *Checked<std::int64_t>(ElementType::kInt64, i) = v;
  });
}

// --- Sorts ---------------------------------------------------------------------------------------

template <typename E>
struct Raw {
  using T = E;
  [[gnu::always_inline]] static T* At(T* a, std::int32_t k) { return a + k; }
  [[gnu::always_inline]] static void Copy(const T* from, T* to) { *to = *from; }
};

template <typename E>
struct IntegerOps : Raw<E> {
  [[gnu::always_inline]] static bool Less(const E* a, const E* b) { return *a < *b; }
  [[gnu::always_inline]] static bool Greater(const E* a, const E* b) { return *a > *b; }
};

// High halves signed; only when equal, low halves unsigned.
struct Int64Ops : Raw<std::int64_t> {
  [[gnu::always_inline]] static bool Less(const std::int64_t* a, const std::int64_t* b) {
    std::int32_t ah = static_cast<std::int32_t>(*a >> 32);
    std::int32_t bh = static_cast<std::int32_t>(*b >> 32);
    if (ah < bh) return true;
    if (ah > bh) return false;
    return static_cast<std::uint32_t>(*a) < static_cast<std::uint32_t>(*b);
  }
  [[gnu::always_inline]] static bool Greater(const std::int64_t* a, const std::int64_t* b) {
    return Less(b, a);
  }
};

// Both values loaded into the unit from memory, one ordered compare.
#define FLOOR_COMPARE(load)                                                        \
  [[gnu::always_inline]] static bool Less(const T* a, const T* b) {                \
    bool r;                                                                        \
    asm volatile(load " %2\n\t" load " %1\n\tfcomip %%st(1), %%st\n\tfstp %%st(0)" \
                 : "=@ccb"(r)                                                      \
                 : "m"(*a), "m"(*b)                                                \
                 : "st(6)", "st(7)");                                              \
    return r;                                                                      \
  }                                                                                \
  [[gnu::always_inline]] static bool Greater(const T* a, const T* b) {             \
    bool r;                                                                        \
    asm volatile(load " %2\n\t" load " %1\n\tfcomip %%st(1), %%st\n\tfstp %%st(0)" \
                 : "=@cca"(r)                                                      \
                 : "m"(*a), "m"(*b)                                                \
                 : "st(6)", "st(7)");                                              \
    return r;                                                                      \
  }

struct SingleOps : Raw<float> {
  FLOOR_COMPARE("flds")
};
struct DoubleOps : Raw<double> {
  FLOOR_COMPARE("fldl")
};
struct FpuInt64Ops : Raw<std::int64_t> {
  FLOOR_COMPARE("fildll")
};

struct ExtendedOps {
  using T = Bytes10;
  [[gnu::always_inline]] static T* At(T* a, std::int32_t k) {
    return reinterpret_cast<T*>(reinterpret_cast<std::uint8_t*>(a) + std::intptr_t{Mul(k, 5)} * 2);
  }
  [[gnu::always_inline]] static void Copy(const T* from, T* to) { *to = *from; }
  FLOOR_COMPARE("fldt")
};

#undef FLOOR_COMPARE

struct Real48Ops {
  struct T {
    std::uint8_t b[6];
  };
  [[gnu::always_inline]] static T* At(T* a, std::int32_t k) {
    return reinterpret_cast<T*>(reinterpret_cast<std::uint8_t*>(a) + std::intptr_t{Mul(k, 3)} * 2);
  }
  [[gnu::always_inline]] static void Copy(const T* from, T* to) {
    ExtendedToR48(R48ToExtended(from->b), to->b);
  }
  [[gnu::always_inline]] static bool Less(const T* a, const T* b) {
    long double x = R48ToExtended(a->b);
    long double y = R48ToExtended(b->b);
    bool r;
    asm volatile("fcomip %%st(1), %%st" : "=@ccb"(r) : "t"(x), "u"(y) : "st");
    return r;
  }
  [[gnu::always_inline]] static bool Greater(const T* a, const T* b) {
    long double x = R48ToExtended(a->b);
    long double y = R48ToExtended(b->b);
    bool r;
    asm volatile("fcomip %%st(1), %%st" : "=@cca"(r) : "t"(x), "u"(y) : "st");
    return r;
  }
};

// One routine per type even where two share their operations (tag).
template <typename Ops, int tag>
[[gnu::noipa]] void QuickSort(typename Ops::T* a, std::int32_t high, std::int32_t iLo,
                              std::int32_t iHi) {
  const std::uint32_t count = high < 0 ? 0u : static_cast<std::uint32_t>(high) + 1u;
  std::int32_t lo = iLo;
  std::int32_t hi = iHi;
  std::int32_t middle = Add(lo, hi) / 2;
  typename Ops::T pivot;
  typename Ops::T temporary;
  CheckIndex(middle, count);
  Ops::Copy(Ops::At(a, middle), &pivot);
  do {
    for (;;) {
      CheckIndex(lo, count);
      if (!Ops::Less(Ops::At(a, lo), &pivot)) break;
      lo = Add<std::int32_t>(lo, 1);
    }
    for (;;) {
      CheckIndex(hi, count);
      if (!Ops::Greater(Ops::At(a, hi), &pivot)) break;
      hi = Sub<std::int32_t>(hi, 1);
    }
    if (lo <= hi) {
      CheckIndex(lo, count);
      Ops::Copy(Ops::At(a, lo), &temporary);
      CheckIndex(hi, count);
      CheckIndex(lo, count);
      Ops::Copy(Ops::At(a, hi), Ops::At(a, lo));
      CheckIndex(hi, count);
      Ops::Copy(&temporary, Ops::At(a, hi));
      lo = Add<std::int32_t>(lo, 1);
      hi = Sub<std::int32_t>(hi, 1);
    }
  } while (lo <= hi);
  if (hi > iLo) QuickSort<Ops, tag>(a, high, iLo, hi);
  if (lo < iHi) QuickSort<Ops, tag>(a, high, lo, iHi);
  asm volatile("");  // keeps the second call a call
}

template <typename Ops, int tag>
void SortWhole(ElementType type) {
  Array& array = gArrays[static_cast<int>(type)];
  QuickSort<Ops, tag>(static_cast<typename Ops::T*>(array.data), array.length - 1, 0,
                      array.length - 1);
}

}  // namespace

void SetSeed(std::uint32_t seed) {
  gSeed = seed;
}

std::uint32_t Seed() {
  return gSeed;
}

void SetCount(std::int32_t count) {
  gCount = count;
}

void SizeArray(ElementType type, std::int32_t width) {
  ReleaseArray(type);
  std::size_t bytes = static_cast<std::size_t>(gCount) * static_cast<std::size_t>(width);
  auto* memory = static_cast<std::uint64_t*>(std::malloc(bytes + 8));
  if (memory == nullptr) Fail("out of memory");
  for (std::size_t k = 0; k < bytes / 8 + 1; ++k) {  // cached stores, as the project's sizing
    memory[k] = 0;
    asm volatile("" : : "r"(memory + k) : "memory");
  }
  gArrays[static_cast<int>(type)] = Array{memory, gCount};
}

void ReleaseArray(ElementType type) {
  std::free(gArrays[static_cast<int>(type)].data);
  gArrays[static_cast<int>(type)] = Array{nullptr, 0};
}

const void* ArrayData(ElementType type) {
  return gArrays[static_cast<int>(type)].data;
}

std::vector<FillVariant> FillVariants(ElementType type) {
  using E = ElementType;
  switch (type) {
    case E::kReal:
      return {{FillReal, 0}};
    case E::kReal48:
      return {{FillReal48, 0}};
    case E::kSingle:
      return {{FillSingle, 0}};
    case E::kDouble:
      return {{FillDouble, 0}};
    case E::kExtended:
      return {{FillExtended, 0}};
    case E::kCurrency:
      return {{FillCurrency, 0}};
    case E::kInteger:
      return {{FillRounded<std::int32_t, E::kInteger, 100000, 200000, INT32_MIN, INT32_MAX>, 0}};
    case E::kByte:
      return {{FillRounded<std::uint8_t, E::kByte, 255, 0, 0, 255>, 0}};
    case E::kShortInt:
      return {{FillRounded<std::int8_t, E::kShortInt, 127, 128, -128, 127>, 0}};
    case E::kWord:
      return {{FillRounded<std::uint16_t, E::kWord, 65535, 0, 0, 65535>, 0}};
    case E::kSmallInt:
      return {{FillRounded<std::int16_t, E::kSmallInt, 32767, 32768, -32768, 32767>, 0}};
    case E::kCardinal:
      return {{FillRounded<std::uint32_t, E::kCardinal, 100000, 0, 0, UINT32_MAX>, 0}};
    case E::kLongWord:
      return {{FillRounded<std::uint32_t, E::kLongWord, 2147483647, 0, 0, UINT32_MAX>, 0}};
    case E::kLongInt:
      return {{FillRounded<std::int32_t, E::kLongInt, 2147483647, 2147483648, INT32_MIN, INT32_MAX>,
               0}};
    case E::kComp:
      return {
          {FillCompAt<0>, 0}, {FillCompAt<64>, 64}, {FillCompAt<128>, 128}, {FillCompAt<192>, 192}};
    case E::kInt64:
      return {{FillInt64At<0>, 0},
              {FillInt64At<64>, 64},
              {FillInt64At<128>, 128},
              {FillInt64At<192>, 192}};
  }
  return {};
}

void Sort(ElementType type) {
  using E = ElementType;
  switch (type) {
    case E::kReal:
      return SortWhole<DoubleOps, 1>(type);
    case E::kReal48:
      return SortWhole<Real48Ops, 2>(type);
    case E::kSingle:
      return SortWhole<SingleOps, 3>(type);
    case E::kDouble:
      return SortWhole<DoubleOps, 4>(type);
    case E::kExtended:
      return SortWhole<ExtendedOps, 5>(type);
    case E::kCurrency:
      return SortWhole<FpuInt64Ops, 6>(type);
    case E::kInteger:
      return SortWhole<IntegerOps<std::int32_t>, 7>(type);
    case E::kByte:
      return SortWhole<IntegerOps<std::uint8_t>, 8>(type);
    case E::kShortInt:
      return SortWhole<IntegerOps<std::int8_t>, 9>(type);
    case E::kWord:
      return SortWhole<IntegerOps<std::uint16_t>, 10>(type);
    case E::kSmallInt:
      return SortWhole<IntegerOps<std::int16_t>, 11>(type);
    case E::kCardinal:
      return SortWhole<IntegerOps<std::uint32_t>, 12>(type);
    case E::kLongWord:
      return SortWhole<IntegerOps<std::uint32_t>, 13>(type);
    case E::kLongInt:
      return SortWhole<IntegerOps<std::int32_t>, 14>(type);
    case E::kComp:
      return SortWhole<FpuInt64Ops, 15>(type);
    case E::kInt64:
      return SortWhole<Int64Ops, 16>(type);
  }
}

bool DividerIsSound() {
  long double x = 4195835.0L;
  long double y = 3145727.0L;
  asm volatile("" : "+t"(x));
  asm volatile("" : "+t"(y));
  long double quotient = Divide(x, y);
  gDividerSound = x - quotient * y < 1.0L ? 1 : 2;
  return gDividerSound == 1;
}

}  // namespace zaveredo::floor_work
