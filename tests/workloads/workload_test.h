// Shared set-up for the workload tests: the run's control word in force, arrays released
// afterwards, and a way to make the next draw yield a chosen value.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "runtime/random.h"
#include "workloads/arrays.h"
#include "workloads/element_count.h"
#include "x87/control_word.h"

namespace zaveredo::test_support {

class WorkloadTest : public ::testing::Test {
 protected:
  void SetUp() override { x87::ResetFpu(); }
  void TearDown() override {
    ReleaseAllArrays();
    ElementCount = 0;
    x87::ResetFpu();
  }
};

// The seed after which RandomBelow(n) yields a: the smallest next seed s with
// floor(n * s / 2^32) = a, stepped back once through the inverse of the multiplier.
inline std::uint32_t SeedBeforeDraw(std::uint32_t a, std::uint32_t n) {
  std::uint64_t next = ((std::uint64_t{a} << 32) + n - 1) / n;
  std::uint32_t inverse = 134775813u;
  for (int k = 0; k < 5; ++k) inverse *= 2u - 134775813u * inverse;
  return (static_cast<std::uint32_t>(next) - 1u) * inverse;
}

// Sizes the type's array to one element and arranges for the first draw of `below` to be a.
inline void PrepareOneDraw(ElementType type, std::uint32_t a, std::uint32_t below) {
  ElementCount = 1;
  SizeArray(type);
  RandomSeed = SeedBeforeDraw(a, below);
}

template <typename T>
T FirstElement(ElementType type) {
  T value;
  std::memcpy(&value, ArrayOf(type).data, sizeof value);
  return value;
}

inline long double ExtendedFromBytes(const std::uint8_t (&bytes)[10]) {
  long double value = 0;
  std::memcpy(&value, bytes, 10);
  return value;
}

}  // namespace zaveredo::test_support
