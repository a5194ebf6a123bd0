#include "workloads/arrays.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "runtime/errors/checked.h"
#include "runtime/errors/errors.h"
#include "workloads/element_count.h"

namespace zaveredo {

namespace detail {
DynamicArray gArrays[kElementTypeCount];
}

namespace {

// Zeros with ordinary cached stores. The library's memset writes blocks this large with
// non-temporal stores, which leaves the array out of the cache and makes the timed fill that
// follows measurably slower; the empty asm keeps the compiler from turning this into memset.
void ZeroWithCachedStores(void* memory, std::size_t bytes) {
  auto* words = static_cast<std::uint64_t*>(memory);
  std::size_t wordCount = bytes / 8;
  for (std::size_t k = 0; k < wordCount; ++k) {
    words[k] = 0;
    asm volatile("" : : "r"(words + k) : "memory");
  }
  auto* tail = static_cast<std::uint8_t*>(memory) + wordCount * 8;
  for (std::size_t k = 0; k < bytes % 8; ++k) {
    tail[k] = 0;
    asm volatile("" : : "r"(tail + k) : "memory");
  }
}

}  // namespace

std::int32_t ElementWidth(ElementType type) {
  switch (type) {
    case ElementType::kByte:
    case ElementType::kShortInt:
      return 1;
    case ElementType::kWord:
    case ElementType::kSmallInt:
      return 2;
    case ElementType::kSingle:
    case ElementType::kInteger:
    case ElementType::kCardinal:
    case ElementType::kLongWord:
    case ElementType::kLongInt:
      return 4;
    case ElementType::kReal48:
      return 6;
    case ElementType::kExtended:
      return 10;
    case ElementType::kReal:
    case ElementType::kDouble:
    case ElementType::kCurrency:
    case ElementType::kComp:
    case ElementType::kInt64:
      return 8;
  }
  return 8;
}

void SizeArray(ElementType type) {
  ReleaseArray(type);
  std::int32_t count = ElementCount;
  if (count < 0) RaiseRangeCheck();
  if (count == 0) return;
  std::uint64_t bytes = std::uint64_t(count) * std::uint64_t(ElementWidth(type));
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
