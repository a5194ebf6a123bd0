// The Windows-1252 character set above ASCII: bytes 0x80 to 0x9F map to the characters below,
// every other byte to the Latin-1 character of the same value. The unassigned bytes 0x81,
// 0x8D, 0x8F, 0x90 and 0x9D stand for the control of their own value. Pure data, so the report
// tool reads the same table as the benchmark's text conversion.
#pragma once

#include <array>

namespace zaveredo::platform {

inline constexpr std::array<char16_t, 32> kWindows1252HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace zaveredo::platform
