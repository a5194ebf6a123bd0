#include "runtime/errors/errors.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/errors/checked.h"
#include "tests/runtime/errors/fault_makers.h"
#include "tests/support/raised_kind.h"

namespace zaveredo {
namespace {

TEST(RunErrors, TheGivenAddressTravelsWithTheError) {
  int marker = 0;
  const void* raisedAt = nullptr;
  try {
    RaiseRunError(ErrorKind::EIntOverflow, &marker);
  } catch (const Error& error) {
    raisedAt = error.Address();
  }
  EXPECT_EQ(raisedAt, &marker);
}

TEST(RunErrors, MessageIsCutToTheValuesCapacity) {
  std::string longText(3000, 'x');
  Error error(ErrorKind::Exception, longText);
  EXPECT_EQ(std::string(error.Message()), longText.substr(0, FixedText::kCapacity - 1));
}

// Each check fails in its own routine, so the address can be placed. The routines keep their
// raise calls in line: a cold partition would put the call, and so the address, elsewhere.
#define ZAV_CHECK_ROUTINE [[gnu::noinline, gnu::optimize("no-reorder-blocks-and-partition")]]
ZAV_CHECK_ROUTINE void IndexTooHigh() {
  CheckIndex(3, 3);
}
ZAV_CHECK_ROUTINE void IndexNegative() {
  CheckIndex(-1, 3);
}
ZAV_CHECK_ROUTINE void ByteOutOfRange() {
  CheckRange(256, 0, 255);
}
ZAV_CHECK_ROUTINE void ShortIntBelowRange() {
  CheckRange(-129, -128, 127);
}
ZAV_CHECK_ROUTINE void AddOverflows() {
  volatile std::int32_t a = INT32_MAX;
  CheckedAdd<std::int32_t>(a, 1);
}
ZAV_CHECK_ROUTINE void SubOverflows() {
  volatile std::int32_t a = INT32_MIN;
  CheckedSub<std::int32_t>(a, 1);
}
ZAV_CHECK_ROUTINE void MulOverflows() {
  volatile std::int64_t a = INT64_MAX / 2 + 1;
  CheckedMul<std::int64_t>(a, 2);
}
ZAV_CHECK_ROUTINE void UnsignedSubOverflows() {
  volatile std::uint32_t a = 0;
  CheckedSub<std::uint32_t>(a, 1u);
}

void ExpectRaisedInside(const char* kind, void (*routine)()) {
  try {
    routine();
    ADD_FAILURE() << "nothing raised";
  } catch (const Error& error) {
    EXPECT_STREQ(error.KindName(), kind);
    EXPECT_TRUE(test_support::InsideRoutine(error.Address(), routine)) << error.Address();
  }
}

TEST(CheckedArithmetic, FailedChecksRaiseJustAfterTheCheckInTheCaller) {
  ExpectRaisedInside("ERangeError", &IndexTooHigh);
  ExpectRaisedInside("ERangeError", &IndexNegative);
  ExpectRaisedInside("ERangeError", &ByteOutOfRange);
  ExpectRaisedInside("ERangeError", &ShortIntBelowRange);
  ExpectRaisedInside("EIntOverflow", &AddOverflows);
  ExpectRaisedInside("EIntOverflow", &SubOverflows);
  ExpectRaisedInside("EIntOverflow", &MulOverflows);
  ExpectRaisedInside("EIntOverflow", &UnsignedSubOverflows);
}

TEST(CheckedArithmetic, ValuesAtTheBoundsPass) {
  using test_support::RaisedKind;
  EXPECT_NO_THROW(CheckIndex(0, 1));
  EXPECT_NO_THROW(CheckIndex(9999999, 10000000));
  EXPECT_EQ(RaisedKind([] { CheckIndex(0, 0); }), "ERangeError");
  EXPECT_NO_THROW(CheckRange(-128, -128, 127));
  EXPECT_NO_THROW(CheckRange(4294967295, 0, 4294967295));
  EXPECT_EQ(CheckedAdd<std::int32_t>(INT32_MAX - 1, 1), INT32_MAX);
  EXPECT_EQ(CheckedSub<std::int32_t>(INT32_MIN + 1, 1), INT32_MIN);
  EXPECT_EQ(CheckedMul<std::int32_t>(-46341, 46340), -2147441940);
  EXPECT_EQ(RaisedKind([] { CheckedMul<std::int32_t>(46341, 46341); }), "EIntOverflow");
  EXPECT_EQ(CheckedAdd<std::uint8_t>(200, 55), 255);
  EXPECT_EQ(RaisedKind([] { CheckedAdd<std::uint8_t>(200, 56); }), "EIntOverflow");
}

}  // namespace
}  // namespace zaveredo
