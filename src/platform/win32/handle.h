// The platform layer's integer handles and Win32's HANDLE and HKEY are the same bits.
#pragma once

#include "platform/files.h"
#include "platform/registry.h"
#include "platform/win32/windows_api.h"

namespace zaveredo::platform::win32 {

inline HANDLE ToHandle(Handle handle) {
  return reinterpret_cast<HANDLE>(handle);
}
inline Handle FromHandle(HANDLE handle) {
  return reinterpret_cast<Handle>(handle);
}

inline HKEY ToKey(HKey key) {
  return reinterpret_cast<HKEY>(key);
}
inline HKey FromKey(HKEY key) {
  return reinterpret_cast<HKey>(key);
}

}  // namespace zaveredo::platform::win32
