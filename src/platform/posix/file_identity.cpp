// File identities from stat: the device and the inode of a regular file.
#include "platform/file_identity.h"

#include <sys/stat.h>
#include <unistd.h>

#include "platform/files.h"

namespace zaveredo::platform {
namespace {

std::optional<FileIdentity> IdentityOf(const struct stat& status) {
  if (!S_ISREG(status.st_mode)) return std::nullopt;
  return FileIdentity{static_cast<std::uint64_t>(status.st_dev),
                      static_cast<std::uint64_t>(status.st_ino)};
}

}  // namespace

std::optional<FileIdentity> IdentifyFile(const char* path) {
  struct stat status;
  if (::stat(path, &status) != 0) return std::nullopt;
  return IdentityOf(status);
}

std::optional<FileIdentity> IdentifyStandardStream(int which) {
  const int fd = which == kStdInputHandle ? STDIN_FILENO : STDOUT_FILENO;
  struct stat status;
  if (::fstat(fd, &status) != 0) return std::nullopt;
  return IdentityOf(status);
}

}  // namespace zaveredo::platform
