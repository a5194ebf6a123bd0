// The decimal and thousands separators of the user's locale, read once at start-up.
#pragma once

#include <cstdint>

namespace zaveredo {

// A NUL thousands separator (an empty one in the locale) means no separator is written.
struct Separators {
  char decimal;
  char thousands;
};

inline constexpr char kFallbackDecimal = '.';
inline constexpr char kFallbackThousands = ',';

// A locale query shaped after GetLocaleInfoA: bytes written including the NUL, 0 on failure.
using LocaleQuery = int (*)(std::uint32_t type, char* buffer, int size);

// Asks the query with a 2-byte buffer for each separator. A count above 0 gives the first
// byte (NUL for an empty separator); anything else, including a separator longer than one
// byte, gives the fallback. The thousands separator is never the decimal one: where the
// locale's is not one plain ASCII byte (a multi-byte or a no-break space, say), or equals the
// decimal separator, it is the other of "." and "," (German grouping beside a decimal comma).
Separators SeparatorsFrom(LocaleQuery query);

// Reads the separators from the user's locale; called once, before any output.
void ReadSeparators();

// The separators ReadSeparators found (the fallbacks until it has run).
const Separators& StartupSeparators();

}  // namespace zaveredo
