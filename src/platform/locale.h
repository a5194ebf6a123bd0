// The user's locale, after GetThreadLocale and GetLocaleInfoA.
#pragma once

#include <cstdint>

namespace zaveredo::platform {

inline constexpr std::uint32_t kLocaleSDecimal = 14;
inline constexpr std::uint32_t kLocaleSThousand = 15;

// GetLocaleInfoA(GetThreadLocale(), type, buffer, size): the number of bytes written including
// the terminating NUL, or 0 when the value (with its NUL) does not fit or cannot be read.
// On Linux the locale is the one setlocale(LC_ALL, "") selects (the C locale when the
// environment names one that is not installed); the process's own locale is left alone.
int GetLocaleInfo(std::uint32_t type, char* buffer, int size);

}  // namespace zaveredo::platform
