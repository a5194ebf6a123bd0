#include "runtime/time_of_day.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "runtime/errors/errors.h"
#include "runtime/errors/messages.h"
#include "tests/runtime/format/decimal_model.h"
#include "x87/control_word.h"

namespace zaveredo {
namespace {

using model::Binary;
using model::Natural;

class TimeOfDayTest : public ::testing::Test {
 protected:
  void SetUp() override { x87::ResetFpu(); }
  void TearDown() override { x87::ResetFpu(); }
};

platform::LocalTime At(int hour, int minute, int second, int milliseconds) {
  platform::LocalTime time;
  time.hour = static_cast<std::uint16_t>(hour);
  time.minute = static_cast<std::uint16_t>(minute);
  time.second = static_cast<std::uint16_t>(second);
  time.milliseconds = static_cast<std::uint16_t>(milliseconds);
  return time;
}

std::uint64_t BitsOf(double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

// n / 86,400,000 rounded to 64 bits, then that rounded to 53: the expected double, exactly.
std::uint64_t ModelBits(std::int32_t n) {
  Binary quotient =
      model::Divide({Natural(static_cast<std::uint64_t>(n)), 0}, {Natural(86400000), 0});
  Binary rounded =
      model::RoundToWidth(quotient.significand, quotient.exponent, false, model::kDoubleWidth);
  int length = rounded.significand.BitLength();
  std::uint64_t significand = rounded.significand.Low64() << (53 - length);
  int exponent = rounded.exponent + length - 1;  // of the leading bit
  return (static_cast<std::uint64_t>(exponent + 1023) << 52) |
         (significand & ((std::uint64_t{1} << 52) - 1));
}

TEST_F(TimeOfDayTest, ExactFractionsOfADay) {
  EXPECT_EQ(TimeOfDayFrom(At(0, 0, 0, 0)), 0.0);
  EXPECT_EQ(TimeOfDayFrom(At(6, 0, 0, 0)), 0.25);
  EXPECT_EQ(TimeOfDayFrom(At(12, 0, 0, 0)), 0.5);
  EXPECT_EQ(TimeOfDayFrom(At(18, 0, 0, 0)), 0.75);
  EXPECT_EQ(BitsOf(TimeOfDayFrom(At(0, 0, 0, 1))), ModelBits(1));
  EXPECT_NEAR(TimeOfDayFrom(At(0, 0, 0, 1)), 1.1574074074074074e-8, 1e-23);
  EXPECT_EQ(BitsOf(TimeOfDayFrom(At(23, 59, 59, 999))), ModelBits(86399999));
  EXPECT_LT(TimeOfDayFrom(At(23, 59, 59, 999)), 1.0);
  EXPECT_LT(TimeOfDayFrom(At(0, 0, 0, 0)), TimeOfDayFrom(At(23, 59, 59, 999)));
}

TEST_F(TimeOfDayTest, TheQuotientIsRoundedToExtendedFirst) {
  // 01:55:29.457: a single rounding to double would give ...67.
  EXPECT_EQ(BitsOf(TimeOfDayFrom(At(1, 55, 29, 457))), 0x3FB4881F17DB5F66u);
  EXPECT_EQ(ModelBits(6929457), 0x3FB4881F17DB5F66u);
}

TEST_F(TimeOfDayTest, EveryFieldCountsAtItsWeight) {
  std::mt19937 random(2026);
  for (int trial = 0; trial < 5000; ++trial) {
    int hour = static_cast<int>(random() % 24), minute = static_cast<int>(random() % 60);
    int second = static_cast<int>(random() % 60), ms = static_cast<int>(random() % 1000);
    std::int32_t n = hour * 3600000 + minute * 60000 + second * 1000 + ms;
    ASSERT_EQ(BitsOf(TimeOfDayFrom(At(hour, minute, second, ms))), ModelBits(n))
        << hour << ":" << minute << ":" << second << "." << ms;
  }
}

TEST_F(TimeOfDayTest, ImpossibleReadingsRaiseConvertError) {
  const platform::LocalTime impossible[] = {At(24, 0, 0, 0), At(0, 60, 0, 0), At(0, 0, 60, 0),
                                            At(0, 0, 0, 1000), At(65535, 0, 0, 0)};
  for (const platform::LocalTime& time : impossible) {
    try {
      TimeOfDayFrom(time);
      ADD_FAILURE() << "no error for " << time.hour << ":" << time.minute << ":" << time.second
                    << "." << time.milliseconds;
    } catch (const Error& error) {
      EXPECT_STREQ(error.KindName(), "EConvertError");
      EXPECT_EQ(std::string(error.Message()), KindMessage(ErrorKind::EConvertError));
    }
  }
}

std::string Fields(const platform::LocalTime& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%02u:%02u:%02u.%03u", time.hour, time.minute, time.second,
                time.milliseconds);
  return text;
}

TEST_F(TimeOfDayTest, TheLocalTimeIsTheUtcClockMovedByTheOffset) {
  constexpr std::int64_t kHour = 3600000;
  constexpr std::int64_t kMidnight = std::int64_t{20758} * 24 * kHour;  // 1 November 2026 UTC
  constexpr std::int64_t kEasternDaylight = -4 * kHour;
  EXPECT_EQ(Fields(LocalTimeAt(kMidnight + 6 * kHour - 1, kEasternDaylight)), "01:59:59.999");
  // The offset stays as taken, so the moment the zone changes moves nothing.
  EXPECT_EQ(Fields(LocalTimeAt(kMidnight + 6 * kHour, kEasternDaylight)), "02:00:00.000");
  // Midnight on either side: west of UTC into the evening before, east into the next morning.
  EXPECT_EQ(Fields(LocalTimeAt(kMidnight + kHour / 2, kEasternDaylight)), "20:30:00.000");
  EXPECT_EQ(Fields(LocalTimeAt(kMidnight - kHour / 2, 2 * kHour)), "01:30:00.000");
  // An offset with seconds, as some historical zones have.
  EXPECT_EQ(Fields(LocalTimeAt(kMidnight, (53 * 60 + 28) * 1000)), "00:53:28.000");
}

TEST_F(TimeOfDayTest, TheClockReadsAPossibleTime) {
  double now = TimeOfDay();
  EXPECT_GE(now, 0.0);
  EXPECT_LT(now, 1.0);
  // A whole number of milliseconds.
  double milliseconds = now * 86400000.0;
  EXPECT_NEAR(milliseconds, static_cast<double>(static_cast<std::int64_t>(milliseconds + 0.5)),
              1e-3);
}

}  // namespace
}  // namespace zaveredo
