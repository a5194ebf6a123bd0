// Reading from a console: what ReadFile does there, with Ctrl-C left to the system.
#pragma once

#include "platform/win32/windows_api.h"

namespace zaveredo::platform::win32 {

// ReadFile on a console handle whose mode is given: a line read through ReadConsoleA, where a
// line that begins with Ctrl-Z is the end of the input (0 bytes, success).
// Ctrl-C or Ctrl-Break ends the read with no characters while the system's default handler,
// on a thread of its own, ends the process. The read may return first; it then waits for that
// handler rather than let the program take the empty read for the end of its input and go on.
// Only if the process outlives the wait (Ctrl-C is ignored in it) does the read return so.
BOOL ReadConsoleLine(HANDLE console, DWORD mode, void* buffer, DWORD count, DWORD* read);

}  // namespace zaveredo::platform::win32
