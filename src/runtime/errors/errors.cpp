#include "runtime/errors/errors.h"

#include <algorithm>
#include <cstring>

#include "runtime/errors/checked.h"
#include "runtime/errors/format_text.h"
#include "runtime/errors/messages.h"
#include "runtime/errors/premade_errors.h"

namespace zaveredo {

Exception::Exception(std::string_view message) {
  std::size_t n = std::min<std::size_t>(message.size(), kMessageCapacity - 1);
  std::memcpy(message_, message.data(), n);
  message_[n] = '\0';
}

namespace {

template <typename Kind>
[[noreturn]] void Raise(MessageId id, const void* address) {
  Kind error(MessageText(id));
  error.SetAddress(address);
  throw error;
}

// The pre-made objects: the copy lives on the stack and in the exception's own storage, which
// has an emergency reserve, so nothing needs the heap even when it is exhausted.
template <typename Kind>
[[noreturn]] void RaisePremade(const Kind& premade, const void* address) {
  Kind error(premade);
  error.SetAddress(address);
  throw error;
}

MessageId IoMessage(std::int32_t code) {
  switch (code) {
    case 2:
      return MessageId::kFileNotFound;
    case 3:
      return MessageId::kInvalidFileName;
    case 4:
      return MessageId::kTooManyOpenFiles;
    case 5:
      return MessageId::kAccessDenied;
    case 100:
      return MessageId::kReadPastEnd;
    case 101:
      return MessageId::kDiskFull;
    case 106:
      return MessageId::kInvalidNumber;
    default:
      return MessageId::kIoError;
  }
}

}  // namespace

void RaiseRunError(RunError failure, const void* address) {
  switch (failure) {
    case RunError::kRangeCheck:
      Raise<ERangeError>(MessageId::kRangeError, address);
    case RunError::kIntOverflow:
      Raise<EIntOverflow>(MessageId::kIntOverflow, address);
    case RunError::kOutOfMemory:
      RaisePremade(PremadeOutOfMemory(), address);
    case RunError::kInvalidPointer:
      RaisePremade(PremadeInvalidPointer(), address);
    case RunError::kFloatOverflow:
      Raise<EOverflow>(MessageId::kFloatOverflow, address);
    case RunError::kTimeEncoding:
      Raise<EConvertError>(MessageId::kTimeEncoding, address);
  }
  Raise<ERangeError>(MessageId::kRangeError, address);  // no other value exists
}

void RaiseIoError(std::int32_t code, const void* address) {
  MessageId id = IoMessage(code);
  FixedText message;
  FormatText(message, MessageText(id), {FormatArg::Decimal(code)});
  EInOutError error(message.View(), code);
  error.SetAddress(address);
  throw error;
}

void RaiseRangeCheck() {
  RaiseRunError(RunError::kRangeCheck, __builtin_return_address(0));
}
void RaiseIntOverflow() {
  RaiseRunError(RunError::kIntOverflow, __builtin_return_address(0));
}

}  // namespace zaveredo
