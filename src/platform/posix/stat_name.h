// stat of a name, with the failure kept as the Win32 last error; an empty name is no file.
#pragma once

#include <sys/stat.h>

#include <cerrno>

#include "platform/posix/last_error.h"

namespace zaveredo::platform::posix {

inline bool StatName(const char* path, struct stat* info) {
  if (path[0] == '\0' || ::stat(path, info) != 0) {
    SetLastErrorFromErrno(path[0] == '\0' ? ENOENT : errno);
    return false;
  }
  return true;
}

}  // namespace zaveredo::platform::posix
