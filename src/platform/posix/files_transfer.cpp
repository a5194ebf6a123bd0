// Reading, writing and positioning on open handles.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/files.h"
#include "platform/posix/last_error.h"

namespace zaveredo::platform {
namespace {

int Fd(Handle handle) {
  return static_cast<int>(handle);
}

bool Fail(int errnoValue) {
  posix::SetLastErrorFromErrno(errnoValue);
  return false;
}

// A terminal that has hung up (its window closed while SIGHUP is ignored, as under nohup)
// fails every request with EIO, the terminal query included; a disk file answers that query
// with ENOTTY and is never a character device.
bool IsHungUpTerminal(int fd) {
  struct stat info;
  if (::fstat(fd, &info) != 0 || !S_ISCHR(info.st_mode)) return false;
  return ::isatty(fd) != 0 || errno == EIO;
}

// EIO from a terminal is no failing device: its other end has gone. Reading, that is the end of
// the input, as a pipe whose writer has gone (109); writing, an output nobody reads any more,
// as a pipe whose reader has gone (232).
bool FailTransfer(int fd, int errnoValue, std::uint32_t hungUpCode) {
  if (errnoValue == EIO && IsHungUpTerminal(fd)) {
    posix::SetLastError(hungUpCode);
    return false;
  }
  return Fail(errnoValue);
}

// The kernel raises SIGPIPE and SIGXFSZ at the process itself, for its own write.
bool RaisedForOwnWrite(const siginfo_t& info) {
  return info.si_code > 0 || info.si_pid == ::getpid();
}

// Raised for the program's own write, the signal is dropped and the write fails with its code.
// Sent by another process (kill -PIPE), it ends the run by its default action, as every other
// signal sent does; it stays blocked in the handler and arrives once the handler returns.
void OnWriteSignal(int signal, siginfo_t* info, void*) {
  if (RaisedForOwnWrite(*info)) return;
  ::signal(signal, SIG_DFL);
  ::raise(signal);
}

// A write into a pipe without a reader must fail with a code (232), as on Windows, instead of
// killing the process; so must a write beyond the file-size limit (ulimit -f), which then fails
// with EFBIG (223). Done once, before the first write.
void IgnoreWriteSignals() {
  static const bool ignored = [] {
    struct sigaction action {};
    action.sa_sigaction = &OnWriteSignal;
    action.sa_flags = SA_SIGINFO | SA_RESTART;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGPIPE, &action, nullptr);
    ::sigaction(SIGXFSZ, &action, nullptr);
    return true;
  }();
  (void)ignored;
}

}  // namespace

bool ReadFile(Handle handle, void* buffer, std::uint32_t count, std::uint32_t* read) {
  *read = 0;
  ssize_t n;
  do {
    n = ::read(Fd(handle), buffer, count);
  } while (n < 0 && errno == EINTR);
  if (n < 0) return FailTransfer(Fd(handle), errno, kErrorBrokenPipe);
  *read = static_cast<std::uint32_t>(n);
  return true;
}

bool WriteFile(Handle handle, const void* buffer, std::uint32_t count, std::uint32_t* written) {
  IgnoreWriteSignals();
  *written = 0;
  const char* bytes = static_cast<const char*>(buffer);
  while (*written < count) {
    ssize_t n = ::write(Fd(handle), bytes + *written, count - *written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return FailTransfer(Fd(handle), errno, kErrorNoData);
    }
    *written += static_cast<std::uint32_t>(n);
  }
  return true;
}

bool GetFileSizeEx(Handle handle, std::int64_t* size) {
  struct stat info;
  if (::fstat(Fd(handle), &info) != 0) return Fail(errno);
  *size = info.st_size;
  return true;
}

bool SetFilePointerEx(Handle handle, std::int64_t distance, std::uint32_t method,
                      std::int64_t* position) {
  int whence = method == kFileBegin ? SEEK_SET : method == kFileCurrent ? SEEK_CUR : SEEK_END;
  off_t reached = ::lseek(Fd(handle), static_cast<off_t>(distance), whence);
  if (reached < 0) {
    // lseek refuses a target before the start with EINVAL; Windows names that case.
    posix::SetLastError(errno == EINVAL ? posix::kErrorNegativeSeek
                                        : posix::Win32CodeOfErrno(errno));
    return false;
  }
  if (position != nullptr) *position = reached;
  return true;
}

bool SetEndOfFile(Handle handle) {
  off_t position = ::lseek(Fd(handle), 0, SEEK_CUR);
  if (position < 0) return Fail(errno);
  while (::ftruncate(Fd(handle), position) != 0) {
    if (errno != EINTR) return Fail(errno);
  }
  return true;
}

}  // namespace zaveredo::platform
