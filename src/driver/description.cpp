#include "driver/description.h"

#include <string>

#include "driver/record.h"
#include "driver/statements.h"
#include "driver/texts.h"
#include "probe/clock_rate.h"
#include "probe/processor.h"
#include "probe/windows_name.h"
#include "runtime/format/format_decimal.h"
#include "runtime/format/format_text.h"

namespace zaveredo {

namespace {

constexpr int kClockRatePrecision = 4;
constexpr int kClockRateDigits = 0;

}  // namespace

void DescribeMachine(TextStream& console, ResultsFile& results,
                     const PlatformVersionInfo& version) {
  auto describe = [&](TextId label, auto obtain) {
    Print(console, {DriverText(label)});
    std::string text = obtain();
    PrintLine(console, {text});
    WriteField(results, text);
  };
  describe(TextId::kVendorLabel, GetProcessorVendor);
  describe(TextId::kNameLabel, GetProcessorName);
  // Formatted as returned, without a narrower store first.
  describe(TextId::kClockRateLabel, [] {
    return FormatDecimal(MeasureClockRate(), DecimalStyle::kFixed, kClockRatePrecision,
                         kClockRateDigits, StartupSeparators());
  });
  describe(TextId::kCountLabel, [] { return IntegerToText(GetProcessorCount()); });
  describe(TextId::kSystemLabel, [&version] { return GetWindowsName(version); });
}

}  // namespace zaveredo
