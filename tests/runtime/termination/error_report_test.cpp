#include "runtime/termination/error_report.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/codepage.h"
#include "platform/faults.h"
#include "platform/process.h"
#include "runtime/errors/checked.h"
#include "runtime/termination/fallback_line.h"

namespace zaveredo {
namespace {

[[gnu::noinline]] void FailRangeCheckInSort() {
  CheckIndex(7, 7);
}

Error CaughtRangeError() {
  try {
    FailRangeCheckInSort();
  } catch (const Error& error) {
    EXPECT_EQ(error.Kind(), ErrorKind::ERangeError);
    return error;
  }
  ADD_FAILURE() << "nothing raised";
  return Error(ErrorKind::ERangeError, "");
}

struct ReportParts {
  std::string module;
  std::uint32_t offset = 0;
  std::string rest;  // after the offset
};

// Splits "Exception <kind> in Modul <module> bei <offset><rest>".
ReportParts Split(std::string_view report, const char* kind) {
  ReportParts parts;
  std::string head = std::string("Exception ") + kind + " in Modul ";
  EXPECT_EQ(report.substr(0, head.size()), head);
  std::size_t at = report.find(" bei ", head.size());
  if (at == std::string_view::npos || at + 5 + 8 > report.size()) {
    ADD_FAILURE() << report;
    return parts;
  }
  parts.module = report.substr(head.size(), at - head.size());
  std::string digits(report.substr(at + 5, 8));
  EXPECT_EQ(digits.find_first_not_of("0123456789ABCDEF"), std::string::npos) << digits;
  parts.offset = static_cast<std::uint32_t>(std::strtoul(digits.c_str(), nullptr, 16));
  parts.rest = report.substr(at + 5 + 8);
  return parts;
}

TEST(ErrorReport, RangeErrorNamesKindModuleOffsetAndMessageWithPeriod) {
  Error error = CaughtRangeError();
  FixedText report = ComposeErrorReport(error);
  ReportParts parts = Split(report.View(), "ERangeError");
  EXPECT_EQ(parts.module.rfind("runtime_tests", 0), 0u) << parts.module;
  EXPECT_EQ(parts.module.find('/'), std::string::npos);
  EXPECT_EQ(parts.rest, ".\r\n" + platform::Utf8ToAnsi("Fehler bei Bereichsprüfung") + ".\r\n");
  // The offset counts from the module's start: a place further on is further by as much.
  Error later(ErrorKind::ERangeError, "", static_cast<const char*>(error.Address()) + 0x30);
  FixedText laterReport = ComposeErrorReport(later);
  EXPECT_EQ(Split(laterReport.View(), "ERangeError").offset, parts.offset + 0x30);
  EXPECT_LT(parts.offset, 64u * 1024 * 1024);
}

TEST(ErrorReport, PeriodOnlyWhenTheMessageLacksOne) {
  Error base = CaughtRangeError();
  struct Case {
    const char* message;
    const char* rest;
  } cases[] = {
      {"Schon mit Punkt.", ".\r\nSchon mit Punkt.\r\n"},
      {"", ".\r\n\r\n"},
      {"Ende mit Punkt..", ".\r\nEnde mit Punkt..\r\n"},
      {"Punkt. Nicht am Ende", ".\r\nPunkt. Nicht am Ende.\r\n"},
  };
  for (const Case& c : cases) {
    Error error(ErrorKind::EConvertError, c.message, base.Address());
    FixedText report = ComposeErrorReport(error);
    EXPECT_EQ(Split(report.View(), "EConvertError").rest, c.rest);
  }
}

Error ErrorAt(const void* address, const std::string& message) {
  return Error(ErrorKind::EConvertError, message, address);
}

TEST(ErrorReport, TextIsCutAt1023Characters) {
  const void* at = CaughtRangeError().Address();
  // The report around a message of n characters without a period is n + 6 longer than the
  // part up to the offset ('.', CR LF, the appended '.', CR LF).
  FixedText empty = ComposeErrorReport(ErrorAt(at, ""));
  std::size_t head = empty.View().size() - 5;
  std::string fitting(1023 - head - 6, 'm');
  FixedText whole = ComposeErrorReport(ErrorAt(at, fitting));
  EXPECT_EQ(whole.View().size(), 1023u);
  EXPECT_EQ(whole.View().substr(1019), "m.\r\n");
  FixedText cut = ComposeErrorReport(ErrorAt(at, fitting + "m"));
  EXPECT_EQ(cut.View().size(), 1023u);
  EXPECT_EQ(cut.View().substr(1019), "mm.\r");
  FixedText longest = ComposeErrorReport(ErrorAt(at, std::string(2000, 'm')));
  EXPECT_EQ(longest.View().size(), 1023u);
  EXPECT_EQ(longest.View().back(), 'm');
  EXPECT_EQ(longest.View().substr(0, head), empty.View().substr(0, head));
}

TEST(ErrorReport, AddressOutsideEveryModuleCountsFromOwnNameLess0x1000) {
  int onTheStack = 0;
  Error error(ErrorKind::ERangeError, "", &onTheStack);
  FixedText report = ComposeErrorReport(error);
  ReportParts parts = Split(report.View(), "ERangeError");
  EXPECT_EQ(parts.module, platform::OwnModuleName().View());
  EXPECT_EQ(parts.offset,
            static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(&onTheStack) - 0x1000));
}

TEST(FallbackLine, NumberAndAddressAreRightAlignedInTheTemplate) {
  EXPECT_EQ(FallbackLine(201, reinterpret_cast<const void*>(0x0040ABCD)).View(),
            "Runtime error 201 at 0040ABCD");
  EXPECT_EQ(FallbackLine(2, reinterpret_cast<const void*>(0x10)).View(),
            "Runtime error   2 at 00000010");
  EXPECT_EQ(FallbackLine(32, nullptr).View(), "Runtime error  32 at 00000000");
  EXPECT_EQ(FallbackLine(255, reinterpret_cast<const void*>(0xFFFFFFFF)).View().size(), 29u);
  // A number wider than three places is not cut.
  EXPECT_EQ(FallbackLine(1117, reinterpret_cast<const void*>(0xABC)).View(),
            "Runtime error 1117 at 00000ABC");
}

TEST(FallbackLine, WideCodeAddressIsShownAsItsModuleOffset) {
  const void* code = reinterpret_cast<const void*>(&FailRangeCheckInSort);
  if (reinterpret_cast<std::uintptr_t>(code) <= 0xFFFFFFFFu) GTEST_SKIP() << "32-bit addresses";
  Error error(ErrorKind::ERangeError, "", code);
  FixedText report = ComposeErrorReport(error);
  ReportParts parts = Split(report.View(), "ERangeError");
  char expected[16];
  std::snprintf(expected, sizeof expected, "%08X", static_cast<unsigned>(parts.offset));
  EXPECT_EQ(FallbackLine(201, code).View(), std::string("Runtime error 201 at ") + expected);
}

}  // namespace
}  // namespace zaveredo
