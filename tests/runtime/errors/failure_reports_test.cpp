// Each kind of error that a test can bring about, brought about for real and shown as the user
// gets to see it: the report that ends the run, and the line (whose number is the exit code)
// that the same failure leaves while the error machinery is not installed.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>

#include "platform/codepage.h"
#include "platform/faults.h"
#include "runtime/errors/checked.h"
#include "runtime/errors/fault_errors.h"
#include "runtime/termination/error_report.h"
#include "runtime/termination/fallback_line.h"
#include "runtime/text/text_stream.h"
#include "runtime/time_of_day.h"
#include "tests/runtime/errors/fault_makers.h"
#include "tests/support/temp_directory.h"
#include "x87/control_word.h"

namespace zaveredo {
namespace {

using Failure = std::function<void()>;

void RunFailure(void* failure) {
  x87::ResetFpu();
  (*static_cast<Failure*>(failure))();
}

// The error the failure ends the run with: raised by a check, or made from a processor fault as
// the top level makes it.
Error ErrorOf(Failure failure) {
  platform::FaultInfo fault;
  try {
    bool completed = platform::RunFaultGuarded(&RunFailure, &failure, &fault);
    x87::ResetFpu();
    if (!completed) return ErrorOfFault(fault);
  } catch (const Error& error) {
    return error;
  }
  ADD_FAILURE() << "nothing failed";
  return Error(ErrorKind::Exception, "");
}

struct Shown {
  std::string kind;      // "Exception <kind> in Modul ..."
  std::string line;      // the report's second line, in the ANSI code page
  std::string fallback;  // the fallback line up to " at <address>"
};

Shown ShownFor(Failure failure) {
  Error error = ErrorOf(std::move(failure));
  std::string report(ComposeErrorReport(error).View());
  std::string fallback(FallbackLine(error.RunErrorNumber(), error.Address()).View());
  const std::string head = "Exception ";
  std::size_t kindEnd = report.find(" in Modul ");
  std::size_t lineStart = report.find(".\r\n");
  if (report.rfind(head, 0) != 0 || kindEnd == std::string::npos ||
      lineStart == std::string::npos || !report.ends_with("\r\n")) {
    ADD_FAILURE() << report;
    return {};
  }
  lineStart += 3;
  return {report.substr(head.size(), kindEnd - head.size()),
          report.substr(lineStart, report.size() - 2 - lineStart),
          fallback.substr(0, fallback.find(" at "))};
}

struct Case {
  const char* failure;
  Failure provoke;
  const char* kind;
  const char* line;  // UTF-8
  const char* fallback;
};

void ExpectShown(const Case& c) {
  Shown shown = ShownFor(c.provoke);
  EXPECT_EQ(shown.kind, c.kind) << c.failure;
  EXPECT_EQ(shown.line, platform::Utf8ToAnsi(c.line)) << c.failure;
  EXPECT_EQ(shown.fallback, c.fallback) << c.failure;
}

TEST(FailureReports, FailedChecksShowTheirKindAndMessage) {
  const Case cases[] = {
      {"index outside the array", [] { CheckIndex(10, 10); }, "ERangeError",
       "Fehler bei Bereichsprüfung.", "Runtime error 201"},
      {"value outside the target type", [] { CheckRange(256, 0, 255); }, "ERangeError",
       "Fehler bei Bereichsprüfung.", "Runtime error 201"},
      {"overflowing sum",
       [] {
         volatile std::int32_t largest = INT32_MAX;
         CheckedAdd<std::int32_t>(largest, 1);
       },
       "EIntOverflow", "Integerüberlauf.", "Runtime error 215"},
      {"impossible clock reading",
       [] {
         TimeOfDayFrom({24, 0, 0, 0});
       },
       "EConvertError", "Ungültiges Argument zum Codieren der Uhrzeit.", "Runtime error 217"},
  };
  for (const Case& c : cases) ExpectShown(c);
}

TEST(FailureReports, ProcessorFaultsShowTheirKindAndMessage) {
  using namespace test_support;
  const Case cases[] = {
      {"integer division by zero", &IntegerDivideByZero, "EDivByZero", "Division durch Null.",
       "Runtime error 200"},
      {"x87 division by zero", &X87DivideByZero, "EZeroDivide", "Gleitkommadivision durch Null.",
       "Runtime error 200"},
      {"x87 zero by zero", &X87ZeroByZero, "EInvalidOp", "Ungültige Gleitkommaoperation.",
       "Runtime error 207"},
      {"x87 store outside Int64", &X87HugeIntegerStore, "EInvalidOp",
       "Ungültige Gleitkommaoperation.", "Runtime error 207"},
      {"x87 overflow", &X87Overflow, "EOverflow", "Gleitkommaüberlauf.", "Runtime error 205"},
      {"x87 underflow, unmasked", &X87Underflow, "EUnderflow", "Gleitkommaunterlauf.",
       "Runtime error 206"},
      {"deep recursion", [] { ExhaustStack(0); }, "EStackOverflow", "Stack-Überlauf.",
       "Runtime error 202"},
      {"hlt", &PrivilegedInstruction, "EPrivilege", "Privilegierte Anweisung.",
       "Runtime error 218"},
      {"ud2", &IllegalInstruction, "EExternalException", "Externe Exception C000001D.",
       "Runtime error 255"},
  };
  for (const Case& c : cases) ExpectShown(c);
}

TEST(FailureReports, AccessViolationShowsItsPlaceAndAccess) {
  Shown shown = ShownFor(&test_support::WriteToLowAddress);
  EXPECT_EQ(shown.kind, "EAccessViolation");
  EXPECT_TRUE(shown.line.starts_with("Zugriffsverletzung bei Adresse ")) << shown.line;
  std::string accessed = std::string(2 * sizeof(void*) - 2, '0') + "10";
  EXPECT_TRUE(shown.line.ends_with("'. Schreiben von Adresse " + accessed + ".")) << shown.line;
  EXPECT_EQ(shown.fallback, "Runtime error 216");
}

// I/O failures end the run through the I/O check; the fallback line shows the I/O code.
TEST(FailureReports, FailedFileStatementsShowTheirCodesMessage) {
  test_support::TempDirectory directory;
  TextStream stream;
  auto open = [&](const std::string& name, void (*statement)(TextStream&)) {
    return [&stream, path = directory.PathOf(name), statement] {
      BindTextStream(stream, path.c_str());
      statement(stream);
      CheckIoResult();
    };
  };
  std::filesystem::create_directory(directory.PathOf("ordner"));
  const Case cases[] = {
      {"missing file appended to", open("fehlt.txt", AppendTextStream), "EInOutError",
       "Datei nicht gefunden.", "Runtime error   2"},
      {"name too long", open(std::string(300, 'n'), CreateTextStream), "EInOutError",
       "Ungültiger Dateiname.", "Runtime error   3"},
      {"directory appended to", open("ordner", AppendTextStream), "EInOutError",
       "Dateizugriff verweigert.", "Runtime error   5"},
      {"write to a closed file", open("zu.txt", [](TextStream& s) { WriteText(s, "x"); }),
       "EInOutError", "E/A-Fehler 105.", "Runtime error 105"},
  };
  for (const Case& c : cases) ExpectShown(c);
}

}  // namespace
}  // namespace zaveredo
