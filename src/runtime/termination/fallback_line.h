// The line a failure leaves while the error machinery is not installed (before start-up has
// set it up, or after termination has removed it): "Runtime error NNN at XXXXXXXX".
#pragma once

#include <cstdint>

#include "runtime/format/format_text.h"

namespace zaveredo {

// The number right-aligned in three places (a wider one takes the room it needs), the address
// in eight upper-case hexadecimal digits. An address wider than 32 bits is shown as its offset
// in its module, as the error report shows it.
FixedText FallbackLine(std::uint32_t number, const void* address);

// Writes out standard output's waiting bytes, then the line and CR LF to standard output, and
// ends the process with the number as exit code.
[[noreturn]] void ExitWithFallbackLine(std::uint32_t number, const void* address);

}  // namespace zaveredo
