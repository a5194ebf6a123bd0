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
  bool reads = (access & kGenericRead) != 0;
  bool writes = (access & kGenericWrite) != 0;
  int flags = O_CLOEXEC | O_NOCTTY | (!writes ? O_RDONLY : reads ? O_RDWR : O_WRONLY);
  // Other programs are not kept from writing the file (the lock binds only the program's own
  // openers): every write lands at the file's current end, even after someone emptied it.
  if (writes) flags |= O_APPEND;
  // No O_TRUNC: the file is truncated only once its lock is held.
  if (disposition == kCreateAlways || disposition == kOpenAlways) flags |= O_CREAT;
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
// then land in it. Windows keeps the two apart by design. While the file is opened, each closed
// standard descriptor holds a placeholder, so the file gets a number above them or, when none
// is free, the open fails before it creates anything (EMFILE: "too many open files", 4).
int OpenAboveStandardDescriptors(const char* path, int flags) {
  int held[3];
  int count = 0;
  for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
    if (::fcntl(fd, F_GETFD) >= 0 || errno != EBADF) continue;
    // Lands on the lowest free number: this one, as the lower ones are taken by now.
    int placeholder = ::open("/", O_PATH | O_CLOEXEC);
    if (placeholder < 0) break;
    held[count++] = placeholder;
  }
  int fd = ::open(path, flags, 0666);
  int openError = errno;
  while (count > 0) ::close(held[--count]);
  errno = openError;
  if (fd < 0 || fd > STDERR_FILENO) return fd;
  // A placeholder could not be had: move the file up. Asking for a number at or beyond the
  // descriptor limit fails with EINVAL, which means there is no free number.
  int moved = ::fcntl(fd, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
  int saved = errno == EINVAL ? EMFILE : errno;
  ::close(fd);
  errno = saved;
  return moved;
}

// Whether the file is one of the process's own standard descriptors: the console text written
// there would be mixed into the file's records.
bool IsAStandardDescriptor(const struct stat& file) {
  for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
    struct stat standard;
    if (::fstat(fd, &standard) != 0) continue;
    if (standard.st_dev == file.st_dev && standard.st_ino == file.st_ino) return true;
  }
  return false;
}

// A FIFO or a socket is no file to keep records in: refused as Windows refuses a directory.
bool IsAPipeOrSocket(mode_t mode) {
  return S_ISFIFO(mode) || S_ISSOCK(mode);
}

Handle Refuse(int fd) {
  ::close(fd);
  posix::SetLastError(kErrorSharingViolation);
  return kInvalidHandle;
}

}  // namespace

Handle CreateFile(const char* path, std::uint32_t access, std::uint32_t disposition) {
  struct stat info;
  // Asked before the open too, which would wait for a FIFO's reader or fail for a socket.
  if (::stat(path, &info) == 0 && IsAPipeOrSocket(info.st_mode)) return Fail(-1, EACCES);
  int fd = OpenAboveStandardDescriptors(path, OpenFlags(access, disposition));
  if (fd < 0) return Fail(-1, errno);
  if (::fstat(fd, &info) != 0) return Fail(fd, errno);
  // Windows refuses to open a directory as a file.
  if (S_ISDIR(info.st_mode)) return Fail(fd, EISDIR);
  if (IsAPipeOrSocket(info.st_mode)) return Fail(fd, EACCES);
  if (S_ISREG(info.st_mode)) {
    bool writes = (access & kGenericWrite) != 0;
    // A file nobody may write is read-only, as Windows' attribute is: even for the superuser.
    if (writes && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return Fail(fd, EACCES);
    if (!TakeLock(fd, writes)) return Refuse(fd);
    // Windows refuses the second writer when the console is redirected into the file
    // (zaveredo2 >> zaveredo2.txt); here the shell's descriptor holds no lock, so it is asked.
    if (writes && IsAStandardDescriptor(info)) return Refuse(fd);
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
  // kStdErrorHandle is the only other one the program asks for.
  return which == kStdInputHandle    ? STDIN_FILENO
         : which == kStdOutputHandle ? STDOUT_FILENO
                                     : STDERR_FILENO;
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
