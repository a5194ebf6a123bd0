// Opening and closing: file descriptors serve as handles.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/files.h"
#include "platform/posix/last_error.h"

namespace zaveredo::platform {
namespace {

Handle Fail(int fd, int errnoValue) {
  if (fd >= 0) ::close(fd);
  posix::SetLastErrorFromErrno(errnoValue);
  return kInvalidHandle;
}

int OpenFlags(std::uint32_t access, std::uint32_t disposition) {
  int flags = O_CLOEXEC | O_NOCTTY;
  bool reads = (access & kGenericRead) != 0;
  bool writes = (access & kGenericWrite) != 0;
  if (reads && writes) {
    flags |= O_RDWR;
  } else if (writes) {
    flags |= O_WRONLY;
  } else {
    flags |= O_RDONLY;
  }
  // No O_TRUNC: the file is truncated only once its lock is held.
  if (disposition == kCreateAlways) flags |= O_CREAT;
  return flags;
}

// Windows' sharing rules for FILE_SHARE_READ, with advisory locks taken by every opener of ours:
// readers share, a writer excludes everyone else. A file system without locks is used unlocked.
bool TakeLock(int fd, bool writes) {
  while (::flock(fd, (writes ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    if (errno == EWOULDBLOCK) return false;
    break;
  }
  return true;
}

// A file must never take the number of a closed standard descriptor: console output would
// then land in it. Windows keeps the two apart by design.
int AboveStandardDescriptors(int fd) {
  if (fd > STDERR_FILENO) return fd;
  int moved = ::fcntl(fd, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
  int saved = errno;
  ::close(fd);
  errno = saved;
  return moved;
}

}  // namespace

Handle CreateFile(const char* path, std::uint32_t access, std::uint32_t disposition) {
  int fd = ::open(path, OpenFlags(access, disposition), 0666);
  if (fd >= 0) fd = AboveStandardDescriptors(fd);
  if (fd < 0) return Fail(-1, errno);
  struct stat info;
  if (::fstat(fd, &info) != 0) return Fail(fd, errno);
  // Windows refuses to open a directory as a file.
  if (S_ISDIR(info.st_mode)) return Fail(fd, EISDIR);
  if (S_ISREG(info.st_mode)) {
    bool writes = (access & kGenericWrite) != 0;
    // A file nobody may write is read-only, as Windows' attribute is: even for the superuser.
    if (writes && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return Fail(fd, EACCES);
    if (!TakeLock(fd, writes)) {
      ::close(fd);
      posix::SetLastError(kErrorSharingViolation);
      return kInvalidHandle;
    }
    if (disposition == kCreateAlways && ::ftruncate(fd, 0) != 0) return Fail(fd, errno);
  }
  return fd;
}

bool CloseHandle(Handle handle) {
  // After EINTR the descriptor is gone all the same on Linux.
  if (::close(static_cast<int>(handle)) != 0 && errno != EINTR) {
    posix::SetLastErrorFromErrno(errno);
    return false;
  }
  return true;
}

Handle GetStdHandle(int which) {
  switch (which) {
    case kStdInputHandle:
      return STDIN_FILENO;
    case kStdOutputHandle:
      return STDOUT_FILENO;
    case kStdErrorHandle:
      return STDERR_FILENO;
    default:
      posix::SetLastError(kErrorInvalidHandle);
      return kInvalidHandle;
  }
}

std::uint32_t GetFileType(Handle handle) {
  struct stat info;
  if (::fstat(static_cast<int>(handle), &info) != 0) {
    posix::SetLastErrorFromErrno(errno);
    return kFileTypeUnknown;
  }
  if (S_ISCHR(info.st_mode)) return kFileTypeChar;
  if (S_ISREG(info.st_mode)) return kFileTypeDisk;
  if (S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode)) return kFileTypePipe;
  posix::SetLastError(0);
  return kFileTypeUnknown;
}

}  // namespace zaveredo::platform
