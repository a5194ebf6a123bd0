#include "runtime/errors/errors.h"

#include <gtest/gtest.h>

#include <string>
#include <typeinfo>

#include "platform/codepage.h"
#include "runtime/errors/checked.h"
#include "tests/runtime/errors/fault_makers.h"
#include "tests/support/raised_kind.h"

namespace zaveredo {
namespace {

std::string Ansi(const char* utf8) {
  return platform::Utf8ToAnsi(utf8);
}

// Runs raise() and returns the error it raised; fails the test when it raises nothing.
template <typename Raise>
std::string KindAndMessage(Raise raise) {
  try {
    raise();
  } catch (const Error& error) {
    return std::string(error.KindName()) + ": " + error.Message();
  }
  ADD_FAILURE() << "nothing raised";
  return {};
}

TEST(RunErrors, EachFailureRaisesItsKindWithItsMessage) {
  struct Case {
    ErrorKind failure;
    const char* expected;
  } cases[] = {
      {ErrorKind::ERangeError, "ERangeError: Fehler bei Bereichsprüfung"},
      {ErrorKind::EIntOverflow, "EIntOverflow: Integerüberlauf"},
      {ErrorKind::EOutOfMemory, "EOutOfMemory: Zu wenig Arbeitsspeicher"},
      {ErrorKind::EInvalidPointer, "EInvalidPointer: Ungültige Zeigeroperation"},
      {ErrorKind::EOverflow, "EOverflow: Gleitkommaüberlauf"},
      {ErrorKind::EConvertError, "EConvertError: Ungültiges Argument zum Codieren der Uhrzeit"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(KindAndMessage([&] { RaiseRunError(c.failure, nullptr); }), Ansi(c.expected));
}

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

TEST(RunErrors, IoCodesHaveTheirMessagesAndKeepTheCode) {
  struct Case {
    std::int32_t code;
    const char* expected;
  } cases[] = {
      {2, "Datei nicht gefunden"},
      {3, "Ungültiger Dateiname"},
      {4, "Zu viele geöffnete Dateien"},
      {5, "Dateizugriff verweigert"},
      {100, "Versuch hinter dem Dateiende zu lesen"},
      {101, "Zu wenig Speicherplatz"},
      {106, "Ungültige numerische Eingabe"},
      {32, "E/A-Fehler 32"},
      {112, "E/A-Fehler 112"},
      {-7, "E/A-Fehler -7"},
  };
  for (const Case& c : cases) {
    try {
      RaiseIoError(c.code, nullptr);
      ADD_FAILURE() << "nothing raised for " << c.code;
    } catch (const Error& error) {
      EXPECT_STREQ(error.KindName(), "EInOutError");
      EXPECT_EQ(error.Message(), Ansi(c.expected));
      EXPECT_EQ(error.IoErrorCode(), c.code);
    }
  }
}

TEST(RunErrors, KindTreeFollowsTheParents) {
  using enum ErrorKind;
  EXPECT_TRUE(IsKindOf(ERangeError, EIntError));
  EXPECT_TRUE(IsKindOf(EIntOverflow, EIntError));
  EXPECT_TRUE(IsKindOf(EDivByZero, EIntError));
  EXPECT_TRUE(IsKindOf(EIntError, EExternal));
  EXPECT_TRUE(IsKindOf(EInvalidOp, EMathError));
  EXPECT_TRUE(IsKindOf(EZeroDivide, EMathError));
  EXPECT_TRUE(IsKindOf(EOverflow, EMathError));
  EXPECT_TRUE(IsKindOf(EUnderflow, EMathError));
  EXPECT_TRUE(IsKindOf(EMathError, EExternal));
  EXPECT_TRUE(IsKindOf(EAccessViolation, EExternal));
  EXPECT_TRUE(IsKindOf(EStackOverflow, EExternal));
  EXPECT_TRUE(IsKindOf(EPrivilege, EExternal));
  EXPECT_TRUE(IsKindOf(EControlC, EExternal));
  EXPECT_TRUE(IsKindOf(EExternalException, EExternal));
  EXPECT_TRUE(IsKindOf(EOutOfMemory, EHeapException));
  EXPECT_TRUE(IsKindOf(EInvalidPointer, EHeapException));
  // Kinds on other branches are not related.
  EXPECT_FALSE(IsKindOf(ERangeError, EMathError));
  EXPECT_FALSE(IsKindOf(EOutOfMemory, EExternal));
  EXPECT_FALSE(IsKindOf(EConvertError, EExternal));
  EXPECT_FALSE(IsKindOf(ERegistryException, EHeapException));
  EXPECT_FALSE(IsKindOf(EExternal, EIntError));
}

TEST(RunErrors, ReportShowsOnlyTheKindsOwnName) {
  EXPECT_STREQ(Error(ErrorKind::EZeroDivide, "").KindName(), "EZeroDivide");
  EXPECT_STREQ(Error(ErrorKind::EExternalException, "").KindName(), "EExternalException");
  EXPECT_STREQ(Error(ErrorKind::ERegistryException, "").KindName(), "ERegistryException");
  EXPECT_STREQ(Error(ErrorKind::EInOutError, "", nullptr, 2).KindName(), "EInOutError");
  EXPECT_STREQ(Error(ErrorKind::Exception, "").KindName(), "Exception");
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
ZAV_CHECK_ROUTINE void IndexAboveHigh() {
  CheckIndexHigh(4, 3);
}
ZAV_CHECK_ROUTINE void IndexBelowZero() {
  CheckIndexHigh(-1, 3);
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
  ExpectRaisedInside("ERangeError", &IndexAboveHigh);
  ExpectRaisedInside("ERangeError", &IndexBelowZero);
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
  EXPECT_NO_THROW(CheckIndexHigh(0, 0));
  EXPECT_EQ(RaisedKind([] { CheckIndexHigh(0, -1); }), "ERangeError");
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
