#include "platform/process.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>

namespace zaveredo::platform {

void ExitProcess(std::uint32_t code) {
  // Like ExitProcess: nothing of the C or C++ run-time's own shutdown runs, the program has
  // already written out what it holds.
  ::_exit(static_cast<int>(code));
}

bool FindModule(const void* address, ModuleName* name, std::uintptr_t* base) {
  Dl_info info{};
  if (address == nullptr || ::dladdr(address, &info) == 0 || info.dli_fbase == nullptr)
    return false;
  // The loader names the main program with an empty string.
  if (info.dli_fname != nullptr && info.dli_fname[0] != '\0') {
    name->SetFromPath(info.dli_fname, "/");
  } else {
    *name = OwnModuleName();
  }
  *base = reinterpret_cast<std::uintptr_t>(info.dli_fbase);
  return true;
}

ModuleName OwnModuleName() {
  ModuleName name;
  char path[PATH_MAX];
  ssize_t n = ::readlink("/proc/self/exe", path, sizeof path);
  if (n > 0) name.SetFromPath(std::string_view(path, static_cast<std::size_t>(n)), "/");
  return name;
}

}  // namespace zaveredo::platform
