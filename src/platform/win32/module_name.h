// The file name, without directory, of a loaded module.
#pragma once

#include "platform/process.h"
#include "platform/win32/windows_api.h"

namespace zaveredo::platform::win32 {

// GetModuleFileNameA, cut after the last path separator. False for a handle that is no module.
bool ModuleFileName(HMODULE module, ModuleName* name);

}  // namespace zaveredo::platform::win32
