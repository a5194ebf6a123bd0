#include "platform/process.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstring>

namespace zaveredo::platform {
namespace {

std::string WithoutDirectory(const char* path) {
  const char* slash = std::strrchr(path, '/');
  return slash == nullptr ? std::string(path) : std::string(slash + 1);
}

}  // namespace

void ExitProcess(std::uint32_t code) {
  // Like ExitProcess: nothing of the C or C++ run-time's own shutdown runs, the program has
  // already written out what it holds.
  ::_exit(static_cast<int>(code));
}

bool FindModule(const void* address, std::string* fileName, std::uintptr_t* base) {
  Dl_info info{};
  if (address == nullptr || ::dladdr(address, &info) == 0 || info.dli_fbase == nullptr)
    return false;
  // The loader names the main program with an empty string.
  *fileName = info.dli_fname != nullptr && info.dli_fname[0] != '\0'
                  ? WithoutDirectory(info.dli_fname)
                  : OwnModuleName();
  *base = reinterpret_cast<std::uintptr_t>(info.dli_fbase);
  return true;
}

std::string OwnModuleName() {
  char path[PATH_MAX + 1];
  ssize_t n = ::readlink("/proc/self/exe", path, PATH_MAX);
  if (n <= 0) return std::string();
  path[n] = '\0';
  return WithoutDirectory(path);
}

}  // namespace zaveredo::platform
