#include "workloads/real48.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "tests/support/raised_kind.h"
#include "tests/workloads/workload_test.h"

namespace zaveredo {
namespace {

using Bytes = std::vector<int>;

Real48 MakeReal48(const Bytes& bytes) {
  Real48 r;
  for (int k = 0; k < 6; ++k) r.bytes[k] = static_cast<std::uint8_t>(bytes[k]);
  return r;
}

Bytes BytesOf(const Real48& r) {
  return Bytes(r.bytes, r.bytes + 6);
}

Bytes ToReal48(long double value) {
  Real48 r = MakeReal48({0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE});
  ExtendedToReal48(value, &r);
  return BytesOf(r);
}

class Real48Test : public test_support::WorkloadTest {};

TEST_F(Real48Test, ReadsTheEdgePatterns) {
  EXPECT_EQ(Real48ToExtended(MakeReal48({0x81, 0, 0, 0, 0, 0})), 1.0L);
  EXPECT_EQ(Real48ToExtended(MakeReal48({0x82, 0, 0, 0, 0, 0})), 2.0L);
  EXPECT_EQ(Real48ToExtended(MakeReal48({0x81, 0, 0, 0, 0, 0x80})), -1.0L);
  long double zero = Real48ToExtended(MakeReal48({0x00, 0x12, 0x34, 0x56, 0x78, 0x9A}));
  EXPECT_EQ(zero, 0.0L);
  EXPECT_FALSE(std::signbit(zero));
  // Every fraction bit lands where it belongs: 1 + 2^-39 (byte 1's low bit) and 1 + 2^-1.
  EXPECT_EQ(Real48ToExtended(MakeReal48({0x81, 0x01, 0, 0, 0, 0})), 1.0L + std::ldexp(1.0L, -39));
  EXPECT_EQ(Real48ToExtended(MakeReal48({0x81, 0, 0, 0, 0, 0x40})), 1.5L);
  EXPECT_EQ(Real48ToExtended(MakeReal48({0x01, 0, 0, 0, 0, 0})), std::ldexp(1.0L, -128));
}

TEST_F(Real48Test, WritesTheEdgePatterns) {
  EXPECT_EQ(ToReal48(1.0L), (Bytes{0x81, 0, 0, 0, 0, 0}));
  EXPECT_EQ(ToReal48(-0.5L), (Bytes{0x80, 0, 0, 0, 0, 0x80}));
  EXPECT_EQ(ToReal48(0.0L), (Bytes{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(ToReal48(-0.0L), (Bytes{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(ToReal48(std::ldexp(1.0L, -129)), (Bytes{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(ToReal48(std::ldexp(1.0L, -128)), (Bytes{0x01, 0, 0, 0, 0, 0}));
  long double largest = std::ldexp(2.0L - std::ldexp(1.0L, -39), 126);
  EXPECT_EQ(ToReal48(largest), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}));
}

TEST_F(Real48Test, RoundsAtBit23HalfAwayFromZero) {
  // 2 - 2^-40: bits 24-63 all ones and bit 23 set, so the carry makes it 2.
  EXPECT_EQ(ToReal48(2.0L - std::ldexp(1.0L, -40)), (Bytes{0x82, 0, 0, 0, 0, 0}));
  // Exactly half an ulp above 1 rounds up, just below half rounds down, and the same for a
  // negative value, whatever the control word's rounding mode says.
  long double ulp = std::ldexp(1.0L, -39);
  EXPECT_EQ(ToReal48(1.0L + ulp / 2), (Bytes{0x81, 0x01, 0, 0, 0, 0}));
  EXPECT_EQ(ToReal48(1.0L + ulp / 2 - ulp / 1024), (Bytes{0x81, 0, 0, 0, 0, 0}));
  EXPECT_EQ(ToReal48(-(1.0L + ulp / 2)), (Bytes{0x81, 0x01, 0, 0, 0, 0x80}));
  // Just below 2^-128, rounding up brings the value into range.
  EXPECT_EQ(ToReal48(std::ldexp(1.0L, -128) * (1.0L - std::ldexp(1.0L, -50))),
            (Bytes{0x01, 0, 0, 0, 0, 0}));
}

TEST_F(Real48Test, TooLargeRaisesOverflowAndWritesNothing) {
  const Bytes untouched{0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
  for (long double value :
       {std::ldexp(1.0L, 127), -std::ldexp(1.0L, 127),
        std::ldexp(2.0L - std::ldexp(1.0L, -41), 126), static_cast<long double>(INFINITY)}) {
    Real48 r = MakeReal48(untouched);
    EXPECT_EQ(test_support::RaisedKind([&] { ExtendedToReal48(value, &r); }), "EOverflow")
        << static_cast<double>(value);
    EXPECT_EQ(BytesOf(r), untouched);
  }
}

TEST_F(Real48Test, RoundTripKeepsEveryNonZeroPattern) {
  // A spread of patterns over all exponents and fraction bits, both signs.
  std::uint32_t state = 1;
  for (int k = 0; k < 20000; ++k) {
    Real48 r;
    for (auto& byte : r.bytes) {
      state = state * 1103515245u + 12345u;
      byte = static_cast<std::uint8_t>(state >> 24);
    }
    if (r.bytes[0] == 0) r.bytes[0] = 1;
    Real48 back;
    ExtendedToReal48(Real48ToExtended(r), &back);
    ASSERT_EQ(BytesOf(back), BytesOf(r)) << k;
  }
}

}  // namespace
}  // namespace zaveredo
