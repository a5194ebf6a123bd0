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
// reports for the same situation; anything else is a general failure (31).
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
    case ELOOP:
      return kErrorCantResolveFilename;
    default:
      return kErrorGenFailure;
  }
}

}  // namespace posix
}  // namespace zaveredo::platform
