// The process's end and its modules.
#include "platform/process.h"

#include "platform/win32/module_name.h"
#include "platform/win32/windows_api.h"

namespace zaveredo::platform {

void ExitProcess(std::uint32_t code) {
  ::ExitProcess(code);
}

bool FindModule(const void* address, ModuleName* name, std::uintptr_t* base) {
  MEMORY_BASIC_INFORMATION region;
  if (::VirtualQuery(address, &region, sizeof region) == 0) return false;
  if (region.State != MEM_COMMIT || region.Type != MEM_IMAGE) return false;
  // A mapped image's allocation starts at its module handle.
  HMODULE module = static_cast<HMODULE>(region.AllocationBase);
  if (!win32::ModuleFileName(module, name)) return false;
  *base = reinterpret_cast<std::uintptr_t>(region.AllocationBase);
  return true;
}

ModuleName OwnModuleName() {
  ModuleName name;
  win32::ModuleFileName(nullptr, &name);
  return name;
}

}  // namespace zaveredo::platform
