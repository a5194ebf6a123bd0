#include <gtest/gtest.h>
#include <sys/resource.h>

#include <new>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "runtime/errors/checked.h"
#include "runtime/errors/errors.h"
#include "runtime/termination/termination.h"
#include "runtime/text/text_stream.h"
#include "tests/runtime/errors/fault_makers.h"
#include "tests/runtime/posix/child_process.h"

namespace zaveredo {
namespace {

using test_support::ChildPipes;
using test_support::RunInChild;

[[gnu::noinline]] void FailRangeCheck() {
  CheckIndex(-1, 4);
}

void PrintThenFailRangeCheck() {
  InstallErrorMachinery();
  WriteText(StdOutput(), "Zeile ohne Ende");
  FinishWrite(StdOutput());
  try {
    FailRangeCheck();
  } catch (const Error& error) {
    ReportUnhandledError(error);
  }
}

TEST(TerminationOutput, ReportGoesToStandardErrorAfterWaitingOutput) {
  test_support::ChildOutcome separate = RunInChild(&PrintThenFailRangeCheck);
  EXPECT_EQ(separate.exitCode, 1);
  EXPECT_EQ(separate.output, "Zeile ohne Ende");
  EXPECT_EQ(separate.error.rfind("Exception ERangeError in Modul ", 0), 0u) << separate.error;
  std::string tail = ".\r\n" + platform::Utf8ToAnsi("Fehler bei Bereichsprüfung") + ".\r\n\r\n";
  ASSERT_GT(separate.error.size(), tail.size());
  EXPECT_EQ(separate.error.substr(separate.error.size() - tail.size()), tail);

  test_support::ChildOutcome shared = RunInChild(&PrintThenFailRangeCheck, ChildPipes::kShared);
  EXPECT_EQ(shared.output, "Zeile ohne Ende" + separate.error);
}

void PrintThenEnd() {
  InstallErrorMachinery();
  WriteText(StdOutput(), "ENTER zum Beenden");
  FinishWrite(StdOutput());
  TerminateRun(0);
}

TEST(TerminationOutput, NormalEndWritesOutStandardOutputAndExitsWithZero) {
  test_support::ChildOutcome outcome = RunInChild(&PrintThenEnd);
  EXPECT_EQ(outcome.exitCode, 0);
  EXPECT_EQ(outcome.output, "ENTER zum Beenden");
  EXPECT_EQ(outcome.error, "");
}

TEST(TerminationOutput, FailingWriteOutAtTheEndKeepsTheExitCode) {
  test_support::ChildOutcome outcome = RunInChild(&PrintThenEnd, ChildPipes::kOutputReaderGone);
  EXPECT_EQ(outcome.exitCode, 0);
  EXPECT_EQ(outcome.error, "");
}

void ReportWithoutMachinery() {
  WriteText(StdOutput(), "vorher");
  FinishWrite(StdOutput());
  ReportUnhandledError(Error(ErrorKind::ERangeError, "", reinterpret_cast<const void*>(0x4A2B3C)));
}

TEST(TerminationOutput, WithoutMachineryTheFallbackLineGoesToStandardOutput) {
  test_support::ChildOutcome outcome = RunInChild(&ReportWithoutMachinery);
  EXPECT_EQ(outcome.exitCode, 201);
  EXPECT_EQ(outcome.output, "vorherRuntime error 201 at 004A2B3C\r\n");
  EXPECT_EQ(outcome.error, "");
}

void IoErrorWithoutMachinery() {
  ReportUnhandledError(Error(ErrorKind::EInOutError, "", reinterpret_cast<const void*>(0x10), 32));
}

TEST(TerminationOutput, FallbackForAnIoErrorUsesItsCode) {
  test_support::ChildOutcome outcome = RunInChild(&IoErrorWithoutMachinery);
  EXPECT_EQ(outcome.exitCode, 32);
  EXPECT_EQ(outcome.output, "Runtime error  32 at 00000010\r\n");
}

void FaultAfterRemoval() {
  InstallErrorMachinery();
  RemoveErrorMachinery();
  test_support::WriteToLowAddress();
}

TEST(TerminationOutput, FaultAfterTheMachineryIsRemovedGivesTheFallbackLine) {
  test_support::ChildOutcome outcome = RunInChild(&FaultAfterRemoval);
  EXPECT_EQ(outcome.exitCode, 216);
  EXPECT_EQ(outcome.output.rfind("Runtime error 216 at ", 0), 0u) << outcome.output;
  EXPECT_EQ(outcome.output.size(), 31u);
  EXPECT_EQ(outcome.error, "");
}

// With the address space used up, raising EOutOfMemory still works.
void RaiseOutOfMemoryWithHeapExhausted() {
  InstallErrorMachinery();
  rlimit limit{256u << 20, 256u << 20};
  if (setrlimit(RLIMIT_AS, &limit) != 0) _exit(90);
  std::vector<void*> blocks;
  blocks.reserve(1 << 20);
  for (std::size_t size = 1 << 20; size >= 16;) {
    void* block = std::malloc(size);
    if (block == nullptr) {
      size /= 2;
    } else if (blocks.size() < blocks.capacity()) {
      blocks.push_back(block);
    }
  }
  if (std::malloc(16) != nullptr) _exit(91);
  try {
    RaiseRunError(ErrorKind::EOutOfMemory, nullptr);
  } catch (const Error& error) {
    _exit(error.Kind() == ErrorKind::EOutOfMemory && error.Message()[0] == 'Z' ? 0 : 92);
  } catch (const std::bad_alloc&) {
    _exit(93);
  }
  _exit(94);
}

TEST(TerminationOutput, OutOfMemoryIsRaisedWithoutMemory) {
  EXPECT_EQ(RunInChild(&RaiseOutOfMemoryWithHeapExhausted).exitCode, 0);
}

}  // namespace
}  // namespace zaveredo
