// The user's locale, after GetThreadLocale and GetLocaleInfoA.
#pragma once

#include <cstdint>

namespace zaveredo::platform {

inline constexpr std::uint32_t kLocaleSDecimal = 14;
inline constexpr std::uint32_t kLocaleSThousand = 15;
// The sizes of the digit groups, the first (next to the decimal separator) first, as a text of
// numbers separated by ";"; "0" or empty where digits are not grouped.
inline constexpr std::uint32_t kLocaleSGrouping = 16;

// GetLocaleInfoA(GetThreadLocale(), type, buffer, size): the number of bytes written including
// the terminating NUL, or 0 when the value (with its NUL) does not fit or cannot be read.
// On Linux the locale is the one the environment names for the numeric category (LC_ALL, else
// LC_NUMERIC, else LANG; the C locale when that one is not installed), whatever the other
// categories say; the process's own locale is left alone.
int GetLocaleInfo(std::uint32_t type, char* buffer, int size);

}  // namespace zaveredo::platform
