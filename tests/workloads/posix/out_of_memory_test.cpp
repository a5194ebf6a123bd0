// A memory request that cannot be met raises EOutOfMemory. Run in a child process whose
// address space is limited, so the request fails on any machine.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdint>

#include "runtime/errors/errors.h"
#include "workloads/arrays.h"
#include "workloads/element_count.h"

namespace zaveredo {
namespace {

TEST(ArraysDeathTest, MemoryThatIsNotThereRaisesOutOfMemory) {
  EXPECT_EXIT(
      {
        rlimit limit;
        limit.rlim_cur = limit.rlim_max = std::uint64_t{512} << 20;
        setrlimit(RLIMIT_AS, &limit);
        ElementCount = 100000000;  // 1,000,000,000 bytes of extended
        try {
          SizeArray(ElementType::kExtended);
        } catch (const Error& error) {
          if (error.Kind() != ErrorKind::EOutOfMemory) _exit(9);
          _exit(ArrayOf(ElementType::kExtended).length == 0 ? 7 : 8);
        }
        _exit(0);
      },
      ::testing::ExitedWithCode(7), "");
}

}  // namespace
}  // namespace zaveredo
