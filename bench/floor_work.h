// The floor: every fill and sort written by hand as the least code that still does the phase's
// prescribed work (the x87 division behind its verdict test, the integer loads and stores of
// the unit, real48 through extended, the seed in memory per draw, every range and overflow
// check), apart from the project's code. floor_bench.cpp times it beside the project and
// checks that both produce the same bytes, so the floor cannot skip work.
#pragma once

#include <cstdint>
#include <vector>

#include "workloads/element_type.h"

namespace zaveredo::floor_work {

// The floor's own pseudo-random state and element count, set before each fill.
void SetSeed(std::uint32_t seed);
std::uint32_t Seed();
void SetCount(std::int32_t count);

// The floor's own array of a type: sized and zeroed with the project's width, or released.
void SizeArray(ElementType type, std::int32_t width);
void ReleaseArray(ElementType type);
const void* ArrayData(ElementType type);

// Every placement of a type's fill: one for most types; the Comp and Int64 fills come at four
// offsets from a page start, because their speed depends on where their code lies, and the
// floor is the best of them.
struct FillVariant {
  void (*fill)();
  int offset;  // bytes of padding ahead of the body, in a function that starts a page
};
std::vector<FillVariant> FillVariants(ElementType type);

// Sorts the whole array.
void Sort(ElementType type);

// Tests the divider once; false (and the floor unusable) on a flawed one.
bool DividerIsSound();

}  // namespace zaveredo::floor_work
