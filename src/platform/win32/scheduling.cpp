// Priorities of the current process and thread, and sleeping.
#include "platform/scheduling.h"

#include "platform/win32/windows_api.h"

namespace zaveredo::platform {

std::uint32_t GetPriorityClass() {
  return ::GetPriorityClass(::GetCurrentProcess());
}

bool SetPriorityClass(std::uint32_t priorityClass) {
  return ::SetPriorityClass(::GetCurrentProcess(), priorityClass) != FALSE;
}

std::int32_t GetThreadPriority() {
  return ::GetThreadPriority(::GetCurrentThread());
}

bool SetThreadPriority(std::int32_t priority) {
  return ::SetThreadPriority(::GetCurrentThread(), priority) != FALSE;
}

void Sleep(std::uint32_t milliseconds) {
  ::Sleep(milliseconds);
}

}  // namespace zaveredo::platform
