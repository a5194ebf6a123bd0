// Where a code address lies, as the error report names it: the module's file name and the
// address as an offset into that module's memory. Allocates nothing.
#pragma once

#include <cstdint>

#include "platform/process.h"

namespace zaveredo {

struct CodeLocation {
  platform::ModuleName moduleName;
  std::uint32_t offset = 0;
  bool inModule = false;
};

// An address that belongs to no module is shown with the program's own name, less 0x1000.
CodeLocation LocateCode(const void* address);

}  // namespace zaveredo
