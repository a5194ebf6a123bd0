#include "runtime/errors/errors.h"

#include "runtime/errors/checked.h"
#include "runtime/errors/messages.h"

namespace zaveredo {

Error::Error(ErrorKind kind, std::string_view message, const void* address,
             std::int32_t ioErrorCode)
    : kind_(kind), ioErrorCode_(ioErrorCode), address_(address) {
  message_.Append(message);
}

Error FixedError(ErrorKind kind, const void* address) {
  return Error(kind, KindMessage(kind), address);
}

std::uint32_t Error::RunErrorNumber() const {
  if (kind_ == ErrorKind::EInOutError) return static_cast<std::uint32_t>(ioErrorCode_);
  return RowOf(kind_).runErrorNumber;
}

// The thrown copy lives in the exception's own storage, which has an emergency reserve, so
// raising needs no heap even when it is exhausted.
void RaiseRunError(ErrorKind kind, const void* address) {
  throw FixedError(kind, address);
}

void RaiseIoError(std::int32_t code, const void* address) {
  FixedText message;
  FormatText(message, IoMessage(code), {FormatArg::Decimal(code)});
  throw Error(ErrorKind::EInOutError, message.View(), address, code);
}

void RaiseRangeCheck() {
  RaiseRunError(ErrorKind::ERangeError, __builtin_return_address(0));
}
void RaiseIntOverflow() {
  RaiseRunError(ErrorKind::EIntOverflow, __builtin_return_address(0));
}

}  // namespace zaveredo
