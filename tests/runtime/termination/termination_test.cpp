#include "runtime/termination/termination.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/files.h"
#include "platform/process.h"
#include "runtime/errors/checked.h"
#include "runtime/errors/errors.h"
#include "tests/runtime/errors/error_report_matcher.h"
#include "tests/runtime/errors/fault_makers.h"
#include "x87/control_word.h"

namespace zaveredo {
namespace {

using ::testing::ExitedWithCode;

// Death tests: each statement runs in a child process, whose standard error is matched.
class TerminationDeathTest : public ::testing::Test {
 protected:
  void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

[[gnu::noinline]] void FailRangeCheck() {
  CheckIndex(10, 10);
}

void ReportRangeError() {
  InstallErrorMachinery();
  try {
    FailRangeCheck();
  } catch (const Error& error) {
    ReportUnhandledError(error);
  }
}

TEST_F(TerminationDeathTest, RangeErrorIsReportedWithExitCodeOne) {
  EXPECT_EXIT(ReportRangeError(), ExitedWithCode(1),
              test_support::IsErrorReport("ERangeError", "Fehler bei Bereichsprüfung."));
}

void ReportMessageWithPeriod() {
  InstallErrorMachinery();
  ReportUnhandledError(Error(ErrorKind::EConvertError, "Schon mit Punkt."));
}

TEST_F(TerminationDeathTest, MessageEndingInPeriodGetsNoSecondOne) {
  EXPECT_EXIT(ReportMessageWithPeriod(), ExitedWithCode(1),
              test_support::IsErrorReport("EConvertError", "Schon mit Punkt."));
}

void FaultOutsideGuard() {
  InstallErrorMachinery();
  test_support::WriteToLowAddress();
}

TEST_F(TerminationDeathTest, FaultOutsideAGuardIsReportedAtOnce) {
  std::string accessed = std::string(2 * sizeof(void*) - 2, '0') + "10";
  EXPECT_EXIT(FaultOutsideGuard(), ExitedWithCode(1),
              test_support::IsErrorReport("EAccessViolation", "Zugriffsverletzung bei Adresse ",
                                          "'. Schreiben von Adresse " + accessed + "."));
}

void ZeroDivideOutsideGuard() {
  InstallErrorMachinery();
  x87::ResetFpu();
  test_support::X87DivideByZero();
}

TEST_F(TerminationDeathTest, FloatingPointFaultIsReportedAsZeroDivide) {
  EXPECT_EXIT(ZeroDivideOutsideGuard(), ExitedWithCode(1),
              test_support::IsErrorReport("EZeroDivide", "Gleitkommadivision durch Null."));
}

// Ends the run from the finalization: 42 when the run's control word is in force again.
void ExitByControlWord() {
  platform::ExitProcess(x87::ControlWordInForce() == x87::kRunControlWord ? 42 : 43);
}

void ZeroDivideCheckingControlWord() {
  InstallErrorMachinery();
  SetProgramFinalization(&ExitByControlWord);
  x87::ResetFpu();
  test_support::X87DivideByZero();
}

TEST_F(TerminationDeathTest, ControlWordIsSetAgainBeforeTheReport) {
  EXPECT_EXIT(ZeroDivideCheckingControlWord(), ExitedWithCode(42), "");
}

void StackOverflowOutsideGuard() {
  InstallErrorMachinery();
  test_support::ExhaustStack(0);
}

TEST_F(TerminationDeathTest, StackOverflowIsReported) {
  EXPECT_EXIT(StackOverflowOutsideGuard(), ExitedWithCode(1),
              test_support::IsErrorReport("EStackOverflow", "Stack-Überlauf."));
}

void NoteFinalization() {
  std::uint32_t written = 0;
  platform::WriteFile(platform::GetStdHandle(platform::kStdErrorHandle), "finalized", 9, &written);
}

void EndNormally() {
  InstallErrorMachinery();
  SetProgramFinalization(&NoteFinalization);
  TerminateRun(0);
}

TEST_F(TerminationDeathTest, NormalEndRunsFinalizationAndExitsWithZero) {
  EXPECT_EXIT(EndNormally(), ExitedWithCode(0), "^finalized$");
}

void FinalizationFails() {
  RaiseRunError(ErrorKind::EInvalidPointer, nullptr);
}

void EndWithFailingFinalization() {
  InstallErrorMachinery();
  SetProgramFinalization(&FinalizationFails);
  try {
    TerminateRun(0);
  } catch (const Error& error) {
    ReportUnhandledError(error);
  }
}

// The error is reported once, the sequence goes on to its end, and the code becomes 1.
TEST_F(TerminationDeathTest, ErrorDuringFinalizationIsReportedOnce) {
  EXPECT_EXIT(EndWithFailingFinalization(), ExitedWithCode(1),
              test_support::IsErrorReport("EInvalidPointer", "Ungültige Zeigeroperation."));
}

// noexcept, so the error goes straight to termination rather than to the test framework.
void UncaughtError() noexcept {
  InstallErrorMachinery();
  RaiseIoError(32, nullptr);
}

TEST_F(TerminationDeathTest, ErrorThatNothingCatchesIsReported) {
  EXPECT_EXIT(UncaughtError(), ExitedWithCode(1),
              test_support::IsErrorReport("EInOutError", "E/A-Fehler 32."));
}

}  // namespace
}  // namespace zaveredo
