// The generators' constants, held exactly as these bytes (lowest address first).
#pragma once

#include <bit>
#include <cstdint>

#include "workloads/element_formats.h"

namespace zaveredo {

// The float divisor K, the extended value nearest to 10,000 times P.
inline constexpr Extended kFloatDivisor{
    {0x12, 0x61, 0xC8, 0xE9, 0x62, 0xDA, 0x6F, 0xF5, 0x0D, 0x40}};

// The integer divisor P, the extended value nearest to pi.
inline constexpr Extended kIntegerDivisor{
    {0x35, 0xC2, 0x68, 0x21, 0xA2, 0xDA, 0x0F, 0xC9, 0x00, 0x40}};

inline constexpr float kCurrencyScale = std::bit_cast<float>(std::uint32_t{0x461C4000});
inline constexpr float kOne = std::bit_cast<float>(std::uint32_t{0x3F800000});

}  // namespace zaveredo
