// Reading from a console: what ReadFile does there, with Ctrl-C made deterministic.
#pragma once

#include "platform/win32/windows_api.h"

namespace zaveredo::platform::win32 {

// ReadFile on a console handle whose mode is given: a line read through ReadConsoleA, where a
// line that begins with Ctrl-Z is the end of the input (0 bytes, success).
// Ctrl-C or Ctrl-Break during the read ends it with no characters while the system's default
// handler, which ends the process, runs on a thread of its own: the read may return before
// that handler has acted, and the program would go on. Such a read therefore ends the process
// here, as that handler does: ExitProcess(STATUS_CONTROL_C_EXIT).
BOOL ReadConsoleLine(HANDLE console, DWORD mode, void* buffer, DWORD count, DWORD* read);

}  // namespace zaveredo::platform::win32
