// The process's end and its modules.
#include "platform/process.h"

#include "platform/win32/windows_api.h"

namespace zaveredo::platform {
namespace {

// GetModuleFileNameA, cut after the last path separator. False for a handle that is no module.
bool ModuleFileName(HMODULE module, ModuleName* name) {
  char path[MAX_PATH];
  DWORD length = ::GetModuleFileNameA(module, path, MAX_PATH);
  if (length == 0) return false;
  name->SetFromPath(std::string_view(path, length < MAX_PATH ? length : MAX_PATH), "\\/:");
  return true;
}

}  // namespace

void ExitProcess(std::uint32_t code) {
  ::ExitProcess(code);
}

bool FindModule(const void* address, ModuleName* name, std::uintptr_t* base) {
  MEMORY_BASIC_INFORMATION region;
  if (::VirtualQuery(address, &region, sizeof region) == 0) return false;
  if (region.State != MEM_COMMIT || region.Type != MEM_IMAGE) return false;
  // A mapped image's allocation starts at its module handle.
  HMODULE module = static_cast<HMODULE>(region.AllocationBase);
  if (!ModuleFileName(module, name)) return false;
  *base = reinterpret_cast<std::uintptr_t>(region.AllocationBase);
  return true;
}

ModuleName OwnModuleName() {
  ModuleName name;
  ModuleFileName(nullptr, &name);
  return name;
}

}  // namespace zaveredo::platform
