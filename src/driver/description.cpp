#include "driver/description.h"

#include <array>
#include <functional>
#include <string>

#include "driver/record.h"
#include "driver/statements.h"
#include "driver/texts.h"
#include "probe/clock_rate.h"
#include "probe/processor.h"
#include "probe/windows_name.h"
#include "runtime/format/format_decimal.h"
#include "runtime/format/integer_text.h"

namespace zaveredo {

namespace {

constexpr int kClockRatePrecision = 4;
constexpr int kClockRateDigits = 0;

// Formatted as returned, without a narrower store first.
std::string ClockRateText() {
  return FormatDecimal(MeasureClockRate(), DecimalStyle::kFixed, kClockRatePrecision,
                       kClockRateDigits, StartupSeparators());
}

std::string ProcessorCountText() {
  return IntegerToText(GetProcessorCount());
}

struct DescriptionItem {
  TextId label;
  std::function<std::string()> obtain;
};

}  // namespace

void DescribeMachine(TextStream& console, ResultsFile& results,
                     const PlatformVersionInfo& version) {
  const std::array<DescriptionItem, 5> items = {{
      {TextId::kVendorLabel, GetProcessorVendor},
      {TextId::kNameLabel, GetProcessorName},
      {TextId::kClockRateLabel, ClockRateText},
      {TextId::kCountLabel, ProcessorCountText},
      {TextId::kSystemLabel, [&version] { return GetWindowsName(version); }},
  }};
  for (const DescriptionItem& item : items) {
    Print(console, {DriverText(item.label)});
    std::string text = item.obtain();
    PrintLine(console, {text});
    WriteField(results, text);
  }
}

}  // namespace zaveredo
