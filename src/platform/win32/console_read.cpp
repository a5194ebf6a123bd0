#include "platform/win32/console_read.h"

namespace zaveredo::platform::win32 {
namespace {

constexpr char kCtrlZ = 0x1A;
// Far longer than the system takes to start the handler's thread, even on a busy machine.
constexpr DWORD kHandlerWaitMs = 5000;

}  // namespace

BOOL ReadConsoleLine(HANDLE console, DWORD mode, void* buffer, DWORD count, DWORD* read) {
  *read = 0;
  DWORD chars = 0;
  BOOL ok = ::ReadConsoleA(console, buffer, count, &chars, nullptr);
  DWORD error = ok ? ERROR_SUCCESS : ::GetLastError();
  // Without processed input Ctrl-C is an ordinary character and no read comes back empty.
  bool processed = (mode & ENABLE_PROCESSED_INPUT) != 0;
  bool interrupted = ok ? chars == 0 : error == ERROR_OPERATION_ABORTED;
  if (processed && count != 0 && interrupted) {
    ::Sleep(kHandlerWaitMs);
    ::SetLastError(error);
  }
  if (!ok) return FALSE;
  if (processed && chars > 0 && static_cast<const char*>(buffer)[0] == kCtrlZ) chars = 0;
  *read = chars;
  return TRUE;
}

}  // namespace zaveredo::platform::win32
