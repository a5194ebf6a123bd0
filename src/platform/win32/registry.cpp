// The registry, read through the ANSI calls.
#include "platform/registry.h"

#include "platform/win32/windows_api.h"

namespace zaveredo::platform {

namespace {

// The platform layer's integer keys and Win32's HKEY are the same bits.
HKEY ToKey(HKey key) {
  return reinterpret_cast<HKEY>(key);
}

}  // namespace

long RegOpenKeyEx(HKey key, const char* subKey, std::uint32_t access, HKey* result) {
  HKEY opened = nullptr;
  LONG status = ::RegOpenKeyExA(ToKey(key), subKey, 0, access, &opened);
  *result = status == ERROR_SUCCESS ? reinterpret_cast<HKey>(opened) : kNullKey;
  return status;
}

long RegQueryValueEx(HKey key, const char* valueName, std::uint32_t* type, std::uint8_t* data,
                     std::uint32_t* size) {
  DWORD valueType = 0;
  DWORD dataSize = size != nullptr ? *size : 0;
  LONG status = ::RegQueryValueExA(ToKey(key), valueName, nullptr, type ? &valueType : nullptr,
                                   data, size ? &dataSize : nullptr);
  if (type != nullptr) *type = valueType;
  if (size != nullptr) *size = dataSize;
  return status;
}

long RegCloseKey(HKey key) {
  return ::RegCloseKey(ToKey(key));
}

}  // namespace zaveredo::platform
