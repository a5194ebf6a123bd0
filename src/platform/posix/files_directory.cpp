// The current directory and the presence of names.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>

#include "platform/files.h"
#include "platform/posix/last_error.h"

namespace zaveredo::platform {
namespace {

// How the kernel marks the link to a directory that has been removed.
constexpr std::string_view kRemovedMark = " (deleted)";

// The kernel's link to the working directory, read whole; false when there is none to read.
bool ReadWorkingDirectoryLink(std::string* link) {
  link->assign(256, '\0');
  for (;;) {
    ssize_t length = ::readlink("/proc/self/cwd", link->data(), link->size());
    if (length < 0) return false;
    if (static_cast<std::size_t>(length) < link->size()) {
      link->resize(static_cast<std::size_t>(length));
      return true;
    }
    link->resize(link->size() * 2);
  }
}

}  // namespace

// getcwd sizes its buffer itself, and finds a path too long for the kernel's answer by walking
// up the tree, so the path is whole at any length.
std::string GetCurrentDirectory(bool* removed) {
  *removed = false;
  char* path = ::getcwd(nullptr, 0);
  if (path != nullptr) {
    std::string text(path);
    std::free(path);
    return text;
  }
  int error = errno;
  // The process still works in a directory that no longer exists (ENOENT also stands for one
  // outside the process's root, which the kernel's link does not mark as removed). Without
  // the link the path is unknown, but not that the directory is gone.
  if (error == ENOENT) {
    std::string link;
    if (!ReadWorkingDirectoryLink(&link)) {
      *removed = true;
      return std::string();
    }
    if (link.ends_with(kRemovedMark)) {
      *removed = true;
      link.resize(link.size() - kRemovedMark.size());
      return link;
    }
  }
  posix::SetLastErrorFromErrno(error);
  return std::string();
}

// No wildcards: the program asks only for plain names.
bool FindFirstFile(const char* path, bool* isDirectory) {
  struct stat info;
  bool found = ::stat(path, &info) == 0;
  if (!found) posix::SetLastErrorFromErrno(errno);
  *isDirectory = found && S_ISDIR(info.st_mode);
  return found;
}

}  // namespace zaveredo::platform
