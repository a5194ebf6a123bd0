// <windows.h> without the macros that would rename the platform layer's own functions
// (CreateFile to CreateFileA and so on). Include this instead of <windows.h>; the ANSI
// functions themselves are called by their full names.
#pragma once

#include <windows.h>

#undef CreateFile
#undef FindFirstFile
#undef GetCurrentDirectory
#undef GetLocaleInfo
#undef GetVersionEx
#undef RegOpenKeyEx
#undef RegQueryValueEx
