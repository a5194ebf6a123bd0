#include "workloads/arrays.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "runtime/errors/checked.h"
#include "runtime/errors/errors.h"
#include "workloads/element_count.h"
#include "workloads/element_table.h"
#include "x87/barriers.h"

namespace zaveredo {

namespace {

// Zeros with ordinary cached stores. The library's memset writes blocks this large with
// non-temporal stores, which leaves the array out of the cache and makes the timed fill that
// follows measurably slower; the barrier keeps the compiler from turning this into memset.
void ZeroWithCachedStores(void* memory, std::size_t bytes) {
  auto* words = static_cast<std::uint64_t*>(memory);
  std::size_t wordCount = bytes / 8;
  for (std::size_t k = 0; k < wordCount; ++k) {
    words[k] = 0;
    x87::KeepStores(words + k);
  }
  auto* tail = static_cast<std::uint8_t*>(memory) + wordCount * 8;
  for (std::size_t k = 0; k < bytes % 8; ++k) {
    tail[k] = 0;
    x87::KeepStores(tail + k);
  }
}

}  // namespace

void SizeArray(ElementType type) {
  ReleaseArray(type);
  std::int32_t count = ElementCount;
  if (count < 0) RaiseRangeCheck();
  if (count == 0) return;
  std::uint64_t bytes = std::uint64_t(count) * std::uint64_t(RowOf(type).width);
  void* memory = bytes <= static_cast<std::uint64_t>(PTRDIFF_MAX)
                     ? std::malloc(static_cast<std::size_t>(bytes))
                     : nullptr;
  if (memory == nullptr) RaiseRunError(ErrorKind::EOutOfMemory, __builtin_return_address(0));
  ZeroWithCachedStores(memory, static_cast<std::size_t>(bytes));
  ArrayOf(type) = DynamicArray{memory, count};
}

void ReleaseArray(ElementType type) {
  DynamicArray& array = ArrayOf(type);
  std::free(array.data);
  array = DynamicArray{};
}

void ReleaseAllArrays() {
  for (int k = 0; k < kElementTypeCount; ++k) ReleaseArray(static_cast<ElementType>(k));
}

}  // namespace zaveredo
