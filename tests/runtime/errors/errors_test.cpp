#include "runtime/errors/errors.h"

#include <gtest/gtest.h>

#include <string>
#include <typeinfo>

#include "platform/codepage.h"
#include "runtime/errors/checked.h"
#include "runtime/errors/premade_errors.h"
#include "tests/runtime/errors/fault_makers.h"

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
  } catch (const Exception& error) {
    return std::string(error.KindName()) + ": " + error.Message();
  }
  ADD_FAILURE() << "nothing raised";
  return {};
}

TEST(RunErrors, EachFailureRaisesItsKindWithItsMessage) {
  struct Case {
    RunError failure;
    const char* expected;
  } cases[] = {
      {RunError::kRangeCheck, "ERangeError: Fehler bei Bereichsprüfung"},
      {RunError::kIntOverflow, "EIntOverflow: Integerüberlauf"},
      {RunError::kOutOfMemory, "EOutOfMemory: Zu wenig Arbeitsspeicher"},
      {RunError::kInvalidPointer, "EInvalidPointer: Ungültige Zeigeroperation"},
      {RunError::kFloatOverflow, "EOverflow: Gleitkommaüberlauf"},
      {RunError::kTimeEncoding, "EConvertError: Ungültiges Argument zum Codieren der Uhrzeit"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(KindAndMessage([&] { RaiseRunError(c.failure, nullptr); }), Ansi(c.expected));
}

TEST(RunErrors, TheGivenAddressTravelsWithTheError) {
  int marker = 0;
  try {
    RaiseRunError(RunError::kIntOverflow, &marker);
  } catch (const Exception& error) {
    EXPECT_EQ(error.Address(), &marker);
  }
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
    } catch (const EInOutError& error) {
      EXPECT_STREQ(error.KindName(), "EInOutError");
      EXPECT_EQ(error.Message(), Ansi(c.expected));
      EXPECT_EQ(error.ErrorCode(), c.code);
    }
  }
}

template <typename Kind, typename Parent>
bool DerivesFrom() {
  Kind error("");
  return dynamic_cast<const Parent*>(static_cast<const Exception*>(&error)) != nullptr;
}

TEST(RunErrors, KindTreeFollowsTheParents) {
  EXPECT_TRUE((DerivesFrom<ERangeError, EIntError>()));
  EXPECT_TRUE((DerivesFrom<EIntOverflow, EIntError>()));
  EXPECT_TRUE((DerivesFrom<EDivByZero, EIntError>()));
  EXPECT_TRUE((DerivesFrom<EIntError, EExternal>()));
  EXPECT_TRUE((DerivesFrom<EInvalidOp, EMathError>()));
  EXPECT_TRUE((DerivesFrom<EZeroDivide, EMathError>()));
  EXPECT_TRUE((DerivesFrom<EOverflow, EMathError>()));
  EXPECT_TRUE((DerivesFrom<EUnderflow, EMathError>()));
  EXPECT_TRUE((DerivesFrom<EMathError, EExternal>()));
  EXPECT_TRUE((DerivesFrom<EAccessViolation, EExternal>()));
  EXPECT_TRUE((DerivesFrom<EStackOverflow, EExternal>()));
  EXPECT_TRUE((DerivesFrom<EPrivilege, EExternal>()));
  EXPECT_TRUE((DerivesFrom<EControlC, EExternal>()));
  EXPECT_TRUE((DerivesFrom<EExternalException, EExternal>()));
  EXPECT_TRUE((DerivesFrom<EOutOfMemory, EHeapException>()));
  EXPECT_TRUE((DerivesFrom<EInvalidPointer, EHeapException>()));
  // Kinds on other branches are not related.
  EXPECT_FALSE((DerivesFrom<ERangeError, EMathError>()));
  EXPECT_FALSE((DerivesFrom<EOutOfMemory, EExternal>()));
  EXPECT_FALSE((DerivesFrom<EConvertError, EExternal>()));
  EXPECT_FALSE((DerivesFrom<ERegistryException, EHeapException>()));
  EXPECT_FALSE((DerivesFrom<EExternal, EIntError>()));
}

TEST(RunErrors, ReportShowsOnlyTheKindsOwnName) {
  EXPECT_STREQ(EZeroDivide("").KindName(), "EZeroDivide");
  EXPECT_STREQ(EExternalException("").KindName(), "EExternalException");
  EXPECT_STREQ(ERegistryException("").KindName(), "ERegistryException");
  EXPECT_STREQ(EInOutError("", 2).KindName(), "EInOutError");
  EXPECT_STREQ(Exception("").KindName(), "Exception");
}

TEST(RunErrors, MessageIsCutToTheObjectsCapacity) {
  std::string longText(3000, 'x');
  Exception error(longText);
  EXPECT_EQ(std::string(error.Message()), longText.substr(0, Exception::kMessageCapacity - 1));
}

TEST(PremadeErrors, AreOneObjectEachWithTheirMessage) {
  MakePremadeErrors();
  EXPECT_EQ(&PremadeOutOfMemory(), &PremadeOutOfMemory());
  EXPECT_EQ(PremadeOutOfMemory().Message(), Ansi("Zu wenig Arbeitsspeicher"));
  EXPECT_EQ(PremadeInvalidPointer().Message(), Ansi("Ungültige Zeigeroperation"));
  // Raising one does not change the pre-made object's own address.
  int marker = 0;
  EXPECT_THROW(RaiseRunError(RunError::kOutOfMemory, &marker), EOutOfMemory);
  EXPECT_EQ(PremadeOutOfMemory().Address(), nullptr);
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

template <typename Kind>
void ExpectRaisedInside(void (*routine)()) {
  try {
    routine();
    ADD_FAILURE() << "nothing raised";
  } catch (const Kind& error) {
    EXPECT_TRUE(test_support::InsideRoutine(error.Address(), routine)) << error.Address();
  }
}

TEST(CheckedArithmetic, FailedChecksRaiseJustAfterTheCheckInTheCaller) {
  ExpectRaisedInside<ERangeError>(&IndexTooHigh);
  ExpectRaisedInside<ERangeError>(&IndexNegative);
  ExpectRaisedInside<ERangeError>(&IndexAboveHigh);
  ExpectRaisedInside<ERangeError>(&IndexBelowZero);
  ExpectRaisedInside<ERangeError>(&ByteOutOfRange);
  ExpectRaisedInside<ERangeError>(&ShortIntBelowRange);
  ExpectRaisedInside<EIntOverflow>(&AddOverflows);
  ExpectRaisedInside<EIntOverflow>(&SubOverflows);
  ExpectRaisedInside<EIntOverflow>(&MulOverflows);
  ExpectRaisedInside<EIntOverflow>(&UnsignedSubOverflows);
}

TEST(CheckedArithmetic, ValuesAtTheBoundsPass) {
  EXPECT_NO_THROW(CheckIndex(0, 1));
  EXPECT_NO_THROW(CheckIndex(9999999, 10000000));
  EXPECT_THROW(CheckIndex(0, 0), ERangeError);
  EXPECT_NO_THROW(CheckIndexHigh(0, 0));
  EXPECT_THROW(CheckIndexHigh(0, -1), ERangeError);
  EXPECT_NO_THROW(CheckRange(-128, -128, 127));
  EXPECT_NO_THROW(CheckRange(4294967295, 0, 4294967295));
  EXPECT_EQ(CheckedAdd<std::int32_t>(INT32_MAX - 1, 1), INT32_MAX);
  EXPECT_EQ(CheckedSub<std::int32_t>(INT32_MIN + 1, 1), INT32_MIN);
  EXPECT_EQ(CheckedMul<std::int32_t>(-46341, 46340), -2147441940);
  EXPECT_THROW(CheckedMul<std::int32_t>(46341, 46341), EIntOverflow);
  EXPECT_EQ(CheckedAdd<std::uint8_t>(200, 55), 255);
  EXPECT_THROW(CheckedAdd<std::uint8_t>(200, 56), EIntOverflow);
}

}  // namespace
}  // namespace zaveredo
