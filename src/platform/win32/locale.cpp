// Locale values of the thread's locale.
#include "platform/locale.h"

#include "platform/win32/windows_api.h"

namespace zaveredo::platform {

int GetLocaleInfo(std::uint32_t type, char* buffer, int size) {
  return ::GetLocaleInfoA(::GetThreadLocale(), type, buffer, size);
}

}  // namespace zaveredo::platform
