#include "platform/win32/module_name.h"

namespace zaveredo::platform::win32 {

bool ModuleFileName(HMODULE module, std::string* fileName) {
  char path[MAX_PATH + 1];
  DWORD length = ::GetModuleFileNameA(module, path, MAX_PATH);
  if (length == 0) return false;
  path[length < MAX_PATH ? length : MAX_PATH] = '\0';
  std::string full(path);
  std::size_t slash = full.find_last_of("\\/:");
  *fileName = slash == std::string::npos ? full : full.substr(slash + 1);
  return true;
}

}  // namespace zaveredo::platform::win32
