// The run-time error: a small value of kind, message and address, and the one C++ exception
// type the program throws. The program catches it only in the clock-rate measurement and at the
// top level, which reports and ends the run. The message is 8-bit text in the ANSI code page,
// held inside the value, so making one needs no memory.
#pragma once

#include <cstdint>
#include <string_view>

#include "runtime/errors/error_kinds.h"
#include "runtime/format/format_text.h"

namespace zaveredo {

class Error {
 public:
  // The message is cut to 1023 characters. Only EInOutError has an I/O error code.
  Error(ErrorKind kind, std::string_view message, const void* address = nullptr,
        std::int32_t ioErrorCode = 0);

  ErrorKind Kind() const { return kind_; }
  // The kind's own name, for example "ERangeError".
  const char* KindName() const { return RowOf(kind_).name; }
  const char* Message() const { return message_.CString(); }
  // The code address the error is reported at: just after the failed check.
  const void* Address() const { return address_; }
  std::int32_t IoErrorCode() const { return ioErrorCode_; }
  // The number of the fallback line: the kind's, or an I/O error's own code.
  std::uint32_t RunErrorNumber() const;

 private:
  ErrorKind kind_;
  std::int32_t ioErrorCode_ = 0;
  const void* address_;
  FixedText message_;
};

// The kind with its fixed message, at the given code address.
Error FixedError(ErrorKind kind, const void* address = nullptr);

// Raises the kind with its fixed message, reported at the given code address.
[[noreturn]] void RaiseRunError(ErrorKind kind, const void* address);

// Raises EInOutError for a non-zero I/O error code, with its message, at the given address.
[[noreturn]] void RaiseIoError(std::int32_t code, const void* address);

}  // namespace zaveredo
