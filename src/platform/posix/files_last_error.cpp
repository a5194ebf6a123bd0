#include <cerrno>

#include "platform/files.h"
#include "platform/posix/last_error.h"

namespace zaveredo::platform {
namespace {

thread_local std::uint32_t lastError = 0;

}  // namespace

std::uint32_t GetLastError() {
  return lastError;
}

namespace posix {

void SetLastError(std::uint32_t code) {
  lastError = code;
}

void SetLastErrorFromErrno(int errnoValue) {
  lastError = Win32CodeOfErrno(errnoValue);
}

// Beyond the codes the messages are keyed on, a few errno values get the Win32 code Windows
// reports for the same situation; anything else is a general failure (31). Two of them a user
// meets in a report of their own:
// - EIO, the device or file system failed the request (a disk going bad, a network file
//   system losing its server): ERROR_IO_DEVICE, 1117, "The request could not be performed
//   because of an I/O device error", what Windows reports for such failures.
// - EFBIG, a write beyond the file-size limit (ulimit -f, SIGXFSZ being ignored) or beyond the
//   largest file the file system holds: ERROR_FILE_TOO_LARGE, 223, "The file size exceeds the
//   limit allowed and cannot be saved". Not ERROR_DISK_FULL (112): the disk has room, and a
//   user told "disk full" would look for space in the wrong place.
std::uint32_t Win32CodeOfErrno(int errnoValue) {
  switch (errnoValue) {
    case 0:
      return 0;
    case ENOENT:
      return kErrorFileNotFound;
    case ENOTDIR:
      return kErrorPathNotFound;
    case EMFILE:
    case ENFILE:
      return kErrorTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
      return kErrorAccessDenied;
    case EBADF:
      return kErrorInvalidHandle;
    case ENOSPC:
    case EDQUOT:
      return kErrorDiskFull;
    case EPIPE:
      return kErrorNoData;
    case ENOMEM:
      return kErrorNotEnoughMemory;
    case EEXIST:
      return kErrorFileExists;
    case EINVAL:
      return kErrorInvalidParameter;
    case ESPIPE:
      return kErrorInvalidFunction;
    case ENAMETOOLONG:
      return kErrorFilenameExcedRange;
    case EFBIG:
      return kErrorFileTooLarge;
    case EIO:
      return kErrorIoDevice;
    case ELOOP:
      return kErrorCantResolveFilename;
    default:
      return kErrorGenFailure;
  }
}

}  // namespace posix
}  // namespace zaveredo::platform
