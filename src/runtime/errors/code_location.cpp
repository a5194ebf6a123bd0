#include "runtime/errors/code_location.h"

namespace zaveredo {

CodeLocation LocateCode(const void* address) {
  CodeLocation location;
  std::uintptr_t base = 0;
  location.inModule = platform::FindModule(address, &location.moduleName, &base);
  if (!location.inModule) {
    location.moduleName = platform::OwnModuleName();
    base = 0x1000;
  }
  // Eight hexadecimal digits are shown: the offset is taken modulo 2^32.
  location.offset = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(address) - base);
  return location;
}

}  // namespace zaveredo
