// Which file a handle or a name stands for: the device and the inode number.
#include <sys/stat.h>

#include <cerrno>

#include "platform/files.h"
#include "platform/posix/last_error.h"
#include "platform/posix/stat_name.h"

namespace zaveredo::platform {
namespace {

FileId IdOf(const struct stat& info) {
  return FileId{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

}  // namespace

bool GetFileId(Handle handle, FileId* id) {
  struct stat info;
  if (::fstat(static_cast<int>(handle), &info) != 0) {
    posix::SetLastErrorFromErrno(errno);
    return false;
  }
  *id = IdOf(info);
  return true;
}

bool GetFileIdOfName(const char* path, FileId* id) {
  struct stat info;
  if (!posix::StatName(path, &info)) return false;
  *id = IdOf(info);
  return true;
}

}  // namespace zaveredo::platform
