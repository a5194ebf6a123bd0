// Which file a handle, a name or a standard stream stands for: the device and the inode number.
#include "platform/file_identity.h"

#include <sys/stat.h>

#include <cerrno>

#include "platform/files.h"
#include "platform/posix/last_error.h"

namespace zaveredo::platform {
namespace {

// The id of what stat or fstat described, or their failure kept as the last error.
bool IdOf(int statResult, const struct stat& info, FileId* id) {
  if (statResult != 0) {
    posix::SetLastErrorFromErrno(errno);
    return false;
  }
  *id = FileId{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
  return true;
}

// The identity of what stat or fstat described: only a regular file is one of two names for a
// file's bytes.
std::optional<FileIdentity> IdentityOf(int statResult, const struct stat& status) {
  if (statResult != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  return FileIdentity{static_cast<std::uint64_t>(status.st_dev),
                      static_cast<std::uint64_t>(status.st_ino)};
}

}  // namespace

bool GetFileId(Handle handle, FileId* id) {
  struct stat info;
  return IdOf(::fstat(static_cast<int>(handle), &info), info, id);
}

bool GetFileIdOfName(const char* path, FileId* id) {
  struct stat info;
  return IdOf(::stat(path, &info), info, id);
}

std::optional<FileIdentity> IdentifyFile(const char* path) {
  struct stat status;
  return IdentityOf(::stat(path, &status), status);
}

std::optional<FileIdentity> IdentifyStandardStream(int which) {
  struct stat status;
  return IdentityOf(::fstat(static_cast<int>(GetStdHandle(which)), &status), status);
}

}  // namespace zaveredo::platform
