// Everything the run relies on before its first step: the floating-point unit's control word,
// the error machinery with its messages, the texts in the ANSI code page, the locale's
// separators, the platform version, and the finalization that releases the arrays.
#pragma once

#include "probe/platform_version.h"

namespace zaveredo {

// Returns the platform version, read here once for the whole run.
PlatformVersionInfo StartUp();

}  // namespace zaveredo
