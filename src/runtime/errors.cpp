#include "runtime/errors.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "runtime/checked.h"
#include "runtime/messages.h"

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

}  // namespace

void RaiseRunError(RunError failure, const void* address) {
  switch (failure) {
    case RunError::kRangeCheck:
      Raise<ERangeError>(MessageId::kRangeError, address);
    case RunError::kIntOverflow:
      Raise<EIntOverflow>(MessageId::kIntOverflow, address);
    case RunError::kOutOfMemory:
      Raise<EOutOfMemory>(MessageId::kOutOfMemory, address);
    case RunError::kInvalidPointer:
      Raise<EInvalidPointer>(MessageId::kInvalidPointer, address);
    case RunError::kFloatOverflow:
      Raise<EOverflow>(MessageId::kFloatOverflow, address);
    case RunError::kTimeEncoding:
      Raise<EConvertError>(MessageId::kTimeEncoding, address);
  }
  Raise<Exception>(MessageId::kRangeError, address);
}

void RaiseIoError(std::int32_t code, const void* address) {
  MessageId id;
  switch (code) {
    case 2: id = MessageId::kFileNotFound; break;
    case 3: id = MessageId::kInvalidFileName; break;
    case 4: id = MessageId::kTooManyOpenFiles; break;
    case 5: id = MessageId::kAccessDenied; break;
    case 100: id = MessageId::kReadPastEnd; break;
    case 101: id = MessageId::kDiskFull; break;
    case 106: id = MessageId::kInvalidNumber; break;
    default: {
      char text[32];
      std::snprintf(text, sizeof text, "E/A-Fehler %d", static_cast<int>(code));
      EInOutError error(text, code);
      error.SetAddress(address);
      throw error;
    }
  }
  EInOutError error(MessageText(id), code);
  error.SetAddress(address);
  throw error;
}

void RaiseRangeCheck() { RaiseRunError(RunError::kRangeCheck, __builtin_return_address(0)); }
void RaiseIntOverflow() { RaiseRunError(RunError::kIntOverflow, __builtin_return_address(0)); }

}  // namespace zaveredo
