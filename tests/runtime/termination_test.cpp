#include "runtime/termination.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/codepage.h"
#include "platform/files.h"
#include "runtime/checked.h"
#include "runtime/errors.h"
#include "runtime/fault_makers.h"
#include "runtime/fpu.h"

namespace zaveredo {
namespace {

using ::testing::ExitedWithCode;

// The report is written in the OEM code page.
std::string Oem(const char* utf8) {
  return platform::AnsiToOem(platform::Utf8ToAnsi(utf8));
}

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
  } catch (const Exception& error) {
    ReportUnhandledError(error);
  }
}

TEST_F(TerminationDeathTest, RangeErrorIsReportedWithExitCodeOne) {
  EXPECT_EXIT(ReportRangeError(), ExitedWithCode(1),
              "^Exception ERangeError in Modul runtime_tests(\\.exe)? bei [0-9A-F]{8}\\.\r\n" +
                  Oem("Fehler bei Bereichsprüfung") + "\\.\r\n\r\n$");
}

void ReportMessageWithPeriod() {
  InstallErrorMachinery();
  ReportUnhandledError(EConvertError("Schon mit Punkt."));
}

TEST_F(TerminationDeathTest, MessageEndingInPeriodGetsNoSecondOne) {
  EXPECT_EXIT(ReportMessageWithPeriod(), ExitedWithCode(1),
              "^Exception EConvertError in Modul [^ ]+ bei [0-9A-F]{8}\\.\r\nSchon mit Punkt\\.\r\n"
              "\r\n$");
}

void FaultOutsideGuard() {
  InstallErrorMachinery();
  testing::WriteToLowAddress();
}

TEST_F(TerminationDeathTest, FaultOutsideAGuardIsReportedAtOnce) {
  EXPECT_EXIT(FaultOutsideGuard(), ExitedWithCode(1),
              "^Exception EAccessViolation in Modul [^ ]+ bei [0-9A-F]{8}\\.\r\n"
              "Zugriffsverletzung bei Adresse [0-9A-F]+ in Modul '[^']+'\\. Schreiben von Adresse "
              "0+10\\.\r\n\r\n$");
}

void ZeroDivideOutsideGuard() {
  InstallErrorMachinery();
  ResetFpu();
  testing::X87DivideByZero();
}

TEST_F(TerminationDeathTest, FloatingPointFaultIsReportedAsZeroDivide) {
  EXPECT_EXIT(ZeroDivideOutsideGuard(), ExitedWithCode(1),
              "^Exception EZeroDivide in Modul [^ ]+ bei [0-9A-F]{8}\\.\r\n"
              "Gleitkommadivision durch Null\\.\r\n\r\n$");
}

void StackOverflowOutsideGuard() {
  InstallErrorMachinery();
  testing::ExhaustStack(0);
}

TEST_F(TerminationDeathTest, StackOverflowIsReported) {
  EXPECT_EXIT(StackOverflowOutsideGuard(), ExitedWithCode(1),
              "^Exception EStackOverflow in Modul [^ ]+ bei [0-9A-F]{8}\\.\r\n" +
                  Oem("Stack-Überlauf") + "\\.\r\n\r\n$");
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
  RaiseRunError(RunError::kInvalidPointer, nullptr);
}

void EndWithFailingFinalization() {
  InstallErrorMachinery();
  SetProgramFinalization(&FinalizationFails);
  try {
    TerminateRun(0);
  } catch (const Exception& error) {
    ReportUnhandledError(error);
  }
}

// The error is reported once, the sequence goes on to its end, and the code becomes 1.
TEST_F(TerminationDeathTest, ErrorDuringFinalizationIsReportedOnce) {
  EXPECT_EXIT(EndWithFailingFinalization(), ExitedWithCode(1),
              "^Exception EInvalidPointer in Modul [^ ]+ bei [0-9A-F]{8}\\.\r\n" +
                  Oem("Ungültige Zeigeroperation") + "\\.\r\n\r\n$");
}

// noexcept, so the error goes straight to termination rather than to the test framework.
void UncaughtError() noexcept {
  InstallErrorMachinery();
  RaiseIoError(32, nullptr);
}

TEST_F(TerminationDeathTest, ErrorThatNothingCatchesIsReported) {
  EXPECT_EXIT(UncaughtError(), ExitedWithCode(1),
              "^Exception EInOutError in Modul [^ ]+ bei [0-9A-F]{8}\\.\r\nE/A-Fehler 32\\.\r\n"
              "\r\n$");
}

}  // namespace
}  // namespace zaveredo
