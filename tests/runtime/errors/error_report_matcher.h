// Matches a run's whole standard-error text against one error report:
//   "Exception <kind> in Modul <module> bei <8 hex digits>.\r\n<message line>\r\n\r\n"
// with the module the test program's file name. Written out by hand so it works with the
// plain regular expressions of every platform's test framework.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/codepage.h"
#include "tests/runtime/errors/captured_line_end.h"

namespace zaveredo::test_support {

class ErrorReportMatcher : public ::testing::MatcherInterface<const std::string&> {
 public:
  // The message line starts with linePrefix and ends with lineSuffix; with exact set it is
  // nothing but the two.
  ErrorReportMatcher(std::string kind, std::string linePrefix, std::string lineSuffix, bool exact)
      : kind_(std::move(kind)),
        linePrefix_(std::move(linePrefix)),
        lineSuffix_(std::move(lineSuffix)),
        exact_(exact) {}

  bool MatchAndExplain(const std::string& text,
                       ::testing::MatchResultListener* listener) const override {
    std::string head = "Exception " + kind_ + " in Modul runtime_tests";
    std::string start = "." + std::string(CapturedLineEnd()) + linePrefix_;
    std::string end = lineSuffix_ + CapturedLineEnd() + CapturedLineEnd();
    if (text.rfind(head, 0) != 0) return Explain(listener, "different start");
    std::size_t at = text.find(" bei ", head.size());
    if (at == std::string::npos) return Explain(listener, "no \" bei \"");
    if (text.find(' ', head.size()) != at) return Explain(listener, "space in the module name");
    std::string digits = text.substr(at + 5, 8);
    if (digits.size() != 8 || digits.find_first_not_of("0123456789ABCDEF") != std::string::npos)
      return Explain(listener, "not eight upper-case hex digits");
    std::string rest = text.substr(at + 5 + 8);
    if (rest.rfind(start, 0) != 0) return Explain(listener, "different message start");
    if (rest.size() < start.size() + end.size() ||
        rest.compare(rest.size() - end.size(), end.size(), end) != 0)
      return Explain(listener, "different message end");
    if (exact_ && rest.size() != start.size() + end.size())
      return Explain(listener, "different message line");
    return true;
  }
  void DescribeTo(std::ostream* os) const override {
    *os << "is the report of " << kind_ << " with \"" << linePrefix_ << (exact_ ? "" : "...")
        << lineSuffix_ << "\"";
  }

 private:
  static bool Explain(::testing::MatchResultListener* listener, const char* why) {
    *listener << why;
    return false;
  }
  std::string kind_;
  std::string linePrefix_;
  std::string lineSuffix_;
  bool exact_;
};

// The message line as the report shows it, given in UTF-8.
inline std::string ReportBytes(const std::string& utf8) {
  std::string text = platform::Utf8ToAnsi(utf8);
  platform::AnsiToOemInPlace(text.data());
  return text;
}

inline ::testing::Matcher<const std::string&> IsErrorReport(const char* kind,
                                                            const std::string& utf8MessageLine) {
  return ::testing::Matcher<const std::string&>(
      new ErrorReportMatcher(kind, ReportBytes(utf8MessageLine), "", true));
}

// A message line of which only the start and the end are known.
inline ::testing::Matcher<const std::string&> IsErrorReport(const char* kind,
                                                            const std::string& utf8Start,
                                                            const std::string& utf8End) {
  return ::testing::Matcher<const std::string&>(
      new ErrorReportMatcher(kind, ReportBytes(utf8Start), ReportBytes(utf8End), false));
}

}  // namespace zaveredo::test_support
