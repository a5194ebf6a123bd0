#include "workloads/generators.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

#include "tests/support/raised_kind.h"
#include "tests/workloads/workload_test.h"
#include "workloads/element_formats.h"
#include "workloads/element_table.h"

namespace zaveredo {
namespace {

using test_support::FirstElement;
using test_support::PrepareOneDraw;
using T = ElementType;

class GeneratorsTest : public test_support::WorkloadTest {
 protected:
  // Fills a one-element array of the type after arranging its draw to be a.
  template <typename Element>
  Element FillOne(T type, std::uint32_t a, std::uint32_t below) {
    PrepareOneDraw(type, a, below);
    RowOf(type).fill();
    EXPECT_EQ(RandomSeed, test_support::SeedBeforeDraw(a, below) * 134775813u + 1u)
        << "exactly one draw per element";
    return FirstElement<Element>(type);
  }
};

TEST_F(GeneratorsTest, FirstThreeRealValuesFromSeedZero) {
  ElementCount = 3;
  SizeArray(T::kReal);
  RandomSeed = 0;
  FillReal();
  const double* values = ElementsOf<double>(T::kReal);
  EXPECT_EQ(values[0], 0.0);
  EXPECT_NEAR(values[1], 0.0998538112958551, 1e-16);
  EXPECT_NEAR(values[2], 2.74077544399691, 1e-14);
}

TEST_F(GeneratorsTest, QuotientIsRoundedToExtendedBeforeDouble) {
  // Rounded once the quotient would be ...2C43; through extended it is ...2C44.
  EXPECT_EQ(std::bit_cast<std::uint64_t>(FillOne<double>(T::kReal, 10763, 100000)),
            0x3FD5ED1BAD0D2C44u);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(FillOne<double>(T::kDouble, 10763, 100000)),
            0x3FD5ED1BAD0D2C44u);
}

TEST_F(GeneratorsTest, FloatTypesAtTheEndsOfTheDraw) {
  for (T type : {T::kReal, T::kDouble}) {
    EXPECT_EQ(FillOne<double>(type, 0, 100000), 0.0);
    EXPECT_NEAR(FillOne<double>(type, 99999, 100000), 3.1830670308, 1e-10);
  }
  EXPECT_EQ(FillOne<float>(T::kSingle, 0, 100000), 0.0f);
  EXPECT_EQ(FillOne<float>(T::kSingle, 99999, 100000), static_cast<float>(3.1830670308));
  Extended extended = FillOne<Extended>(T::kExtended, 99999, 100000);
  long double e = 0;
  std::memcpy(&e, extended.bytes, 10);
  EXPECT_NEAR(static_cast<double>(e), 3.1830670308, 1e-10);
  EXPECT_EQ(FillOne<std::int64_t>(T::kCurrency, 0, 100000), 0);
  EXPECT_EQ(FillOne<std::int64_t>(T::kCurrency, 99999, 100000), 31831);
}

TEST_F(GeneratorsTest, Real48Patterns) {
  auto bytes = [](const Real48& r) { return std::vector<int>(r.bytes, r.bytes + 6); };
  EXPECT_EQ(bytes(FillOne<Real48>(T::kReal48, 1, 100000)),
            (std::vector<int>{0x72, 0x02, 0x87, 0x43, 0x82, 0x05}));
  EXPECT_EQ(bytes(FillOne<Real48>(T::kReal48, 99999, 100000)),
            (std::vector<int>{0x82, 0x9E, 0xC7, 0x5E, 0xB7, 0x4B}));
  EXPECT_EQ(bytes(FillOne<Real48>(T::kReal48, 0, 100000)), (std::vector<int>(6, 0)));
}

TEST_F(GeneratorsTest, SmallIntegerTypesAtTheEndsOfTheDraw) {
  EXPECT_EQ(FillOne<std::int32_t>(T::kInteger, 0, 100000), -200000);
  EXPECT_EQ(FillOne<std::int32_t>(T::kInteger, 99999, 100000), -168169);
  EXPECT_EQ(FillOne<std::uint8_t>(T::kByte, 0, 255), 0);
  EXPECT_EQ(FillOne<std::uint8_t>(T::kByte, 254, 255), 81);
  EXPECT_EQ(FillOne<std::int8_t>(T::kShortInt, 0, 127), -128);
  EXPECT_EQ(FillOne<std::int8_t>(T::kShortInt, 126, 127), -88);
  EXPECT_EQ(FillOne<std::uint16_t>(T::kWord, 0, 65535), 0);
  EXPECT_EQ(FillOne<std::uint16_t>(T::kWord, 65534, 65535), 20860);
  EXPECT_EQ(FillOne<std::int16_t>(T::kSmallInt, 0, 32767), -32768);
  EXPECT_EQ(FillOne<std::int16_t>(T::kSmallInt, 32766, 32767), -22338);
  EXPECT_EQ(FillOne<std::uint32_t>(T::kCardinal, 0, 100000), 0u);
  EXPECT_EQ(FillOne<std::uint32_t>(T::kCardinal, 99999, 100000), 31831u);
}

TEST_F(GeneratorsTest, WideIntegerTypesAtTheEndsOfTheDraw) {
  EXPECT_EQ(FillOne<std::uint32_t>(T::kLongWord, 0, 2147483647), 0u);
  EXPECT_EQ(FillOne<std::uint32_t>(T::kLongWord, 2147483646, 2147483647), 683565275u);
  EXPECT_EQ(FillOne<std::int32_t>(T::kLongInt, 0, 2147483647), INT32_MIN);
  EXPECT_EQ(FillOne<std::int32_t>(T::kLongInt, 2147483646, 2147483647), -1463918373);
  for (T type : {T::kComp, T::kInt64}) {
    EXPECT_EQ(FillOne<std::int64_t>(type, 0, 2147483647), -2147483647);
    EXPECT_EQ(FillOne<std::int64_t>(type, 2147483646, 2147483647), -1463918372);
  }
}

TEST_F(GeneratorsTest, PackedTypesLieAtTheirOwnWidth) {
  ElementCount = 3;
  RandomSeed = 0;
  SizeArray(T::kExtended);
  FillExtended();  // draws 0, 3137, 86104
  const auto* bytes = static_cast<const std::uint8_t*>(ArrayOf(T::kExtended).data);
  long double second = 0;
  std::memcpy(&second, bytes + 10, 10);
  EXPECT_NEAR(static_cast<double>(second), 0.0998538112958551, 1e-16);
  RandomSeed = 0;
  SizeArray(T::kReal48);
  FillReal48();
  const auto* packed = static_cast<const Real48*>(ArrayOf(T::kReal48).data);
  EXPECT_EQ(packed[0].bytes[0], 0);     // 0
  EXPECT_EQ(packed[1].bytes[0], 0x7D);  // 0.0998...: exponent -4 + 129
  EXPECT_EQ(packed[2].bytes[0], 0x82);  // 2.74...: exponent 1 + 129
}

TEST_F(GeneratorsTest, WritesExactlyElementCountElementsAndDrawsOncePerElement) {
  ElementCount = 5;
  SizeArray(T::kWord);
  ElementCount = 4;  // one element fewer than the array holds: the last stays zero
  RandomSeed = test_support::SeedBeforeDraw(65534, 65535);
  std::uint32_t seed = RandomSeed;
  FillWord();
  for (int k = 0; k < 4; ++k) seed = seed * 134775813u + 1u;
  EXPECT_EQ(RandomSeed, seed);
  const std::uint16_t* values = ElementsOf<std::uint16_t>(T::kWord);
  EXPECT_EQ(values[0], 20860);
  EXPECT_EQ(values[4], 0);
}

// Every generator but real48's and extended's checks its index: it stops at the first element
// past the array's end, after drawing it.
TEST_F(GeneratorsTest, AnArrayShorterThanTheCountRaisesRangeErrorAtItsEnd) {
  std::uint32_t seedAfterThreeDraws = 0;
  for (int k = 0; k < 3; ++k) seedAfterThreeDraws = seedAfterThreeDraws * 134775813u + 1u;
  for (T type :
       {T::kReal, T::kSingle, T::kDouble, T::kCurrency, T::kInteger, T::kByte, T::kShortInt,
        T::kWord, T::kSmallInt, T::kCardinal, T::kLongWord, T::kLongInt, T::kComp, T::kInt64}) {
    const char* name = RowOf(type).name;
    ElementCount = 2;
    SizeArray(type);
    ElementCount = 3;
    RandomSeed = 0;
    EXPECT_EQ(test_support::RaisedKind(RowOf(type).fill), "ERangeError") << name;
    EXPECT_EQ(RandomSeed, seedAfterThreeDraws) << name;
    ReleaseArray(type);
    EXPECT_EQ(test_support::RaisedKind(RowOf(type).fill), "ERangeError")
        << name << " with an empty array";
  }
}

}  // namespace
}  // namespace zaveredo
