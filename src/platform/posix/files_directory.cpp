// The current directory and the presence of names.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/files.h"
#include "platform/posix/last_error.h"

namespace zaveredo::platform {

std::string GetCurrentDirectory() {
  char buffer[261];
  if (::getcwd(buffer, sizeof buffer) == nullptr) {
    posix::SetLastErrorFromErrno(errno);
    return std::string();
  }
  return std::string(buffer);
}

// No wildcards: the program asks only for plain names.
bool FindFirstFile(const char* path, bool* isDirectory) {
  struct stat info;
  if (path[0] == '\0' || ::stat(path, &info) != 0) {
    posix::SetLastErrorFromErrno(path[0] == '\0' ? ENOENT : errno);
    *isDirectory = false;
    return false;
  }
  *isDirectory = S_ISDIR(info.st_mode);
  return true;
}

}  // namespace zaveredo::platform
