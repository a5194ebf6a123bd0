// The sixteen typed quicksorts. Each sorts its array in place, given the address of the first
// element and the highest index (length - 1). Currency and Comp elements are their raw 64-bit
// integers.
#pragma once

#include <cstdint>

#include "workloads/element_formats.h"

namespace zaveredo {

void SortReal(double* array, std::int32_t high);
void SortReal48(Real48* array, std::int32_t high);
void SortSingle(float* array, std::int32_t high);
void SortDouble(double* array, std::int32_t high);
void SortExtended(Extended* array, std::int32_t high);
void SortCurrency(std::int64_t* array, std::int32_t high);
void SortInteger(std::int32_t* array, std::int32_t high);
void SortByte(std::uint8_t* array, std::int32_t high);
void SortShortInt(std::int8_t* array, std::int32_t high);
void SortWord(std::uint16_t* array, std::int32_t high);
void SortSmallInt(std::int16_t* array, std::int32_t high);
void SortCardinal(std::uint32_t* array, std::int32_t high);
void SortLongWord(std::uint32_t* array, std::int32_t high);
void SortLongInt(std::int32_t* array, std::int32_t high);
void SortComp(std::int64_t* array, std::int32_t high);
void SortInt64(std::int64_t* array, std::int32_t high);

}  // namespace zaveredo
