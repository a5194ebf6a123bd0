// A processor fault is reported without allocating: a fault inside the allocator (a corrupted
// heap) would otherwise wait forever on the allocator's own lock instead of reporting. This test
// program's malloc, calloc and realloc stand in front of the C library's and abort the process
// once a child has forbidden them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "runtime/termination/termination.h"
#include "tests/runtime/errors/fault_makers.h"
#include "tests/runtime/posix/child_process.h"

extern "C" void* __libc_malloc(std::size_t size);
extern "C" void* __libc_calloc(std::size_t count, std::size_t size);
extern "C" void* __libc_realloc(void* block, std::size_t size);

namespace {
volatile bool allocationForbidden = false;

void AbortIfForbidden() {
  if (allocationForbidden) std::abort();
}
}  // namespace

extern "C" void* malloc(std::size_t size) {
  AbortIfForbidden();
  return __libc_malloc(size);
}
extern "C" void* calloc(std::size_t count, std::size_t size) {
  AbortIfForbidden();
  return __libc_calloc(count, size);
}
extern "C" void* realloc(void* block, std::size_t size) {
  AbortIfForbidden();
  return __libc_realloc(block, size);
}

namespace zaveredo {
namespace {

using test_support::RunInChild;

void AllocateWhileForbidden() {
  allocationForbidden = true;
  std::string text(100, 'x');
  _exit(text.size() == 100 ? 0 : 2);
}

void FaultWhileForbidden() {
  InstallErrorMachinery();
  allocationForbidden = true;
  test_support::WriteToLowAddress();
}

void FaultAfterRemovalWhileForbidden() {
  InstallErrorMachinery();
  RemoveErrorMachinery();
  allocationForbidden = true;
  test_support::WriteToLowAddress();
}

TEST(FaultReportMemory, FaultIsReportedWithAllocationForbidden) {
  // The forbidding works: an allocation ends the child without an exit code.
  ASSERT_EQ(RunInChild(&AllocateWhileForbidden).exitCode, -1);

  test_support::ChildOutcome reported = RunInChild(&FaultWhileForbidden);
  EXPECT_EQ(reported.exitCode, 1);
  EXPECT_EQ(reported.error.rfind("Exception EAccessViolation in Modul runtime_tests bei ", 0), 0u)
      << reported.error;

  test_support::ChildOutcome fallback = RunInChild(&FaultAfterRemovalWhileForbidden);
  EXPECT_EQ(fallback.exitCode, 216);
  EXPECT_EQ(fallback.output.rfind("Runtime error 216 at ", 0), 0u) << fallback.output;
}

}  // namespace
}  // namespace zaveredo
