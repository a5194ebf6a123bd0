#include "platform/win32/module_name.h"

namespace zaveredo::platform::win32 {

bool ModuleFileName(HMODULE module, ModuleName* name) {
  char path[MAX_PATH];
  DWORD length = ::GetModuleFileNameA(module, path, MAX_PATH);
  if (length == 0) return false;
  name->SetFromPath(std::string_view(path, length < MAX_PATH ? length : MAX_PATH), "\\/:");
  return true;
}

}  // namespace zaveredo::platform::win32
