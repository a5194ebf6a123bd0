#include "runtime/errors/fault_errors.h"

#include "runtime/errors/code_location.h"
#include "runtime/errors/messages.h"

namespace zaveredo {
namespace {

void FormatAccessViolation(const platform::FaultInfo& fault, FixedText& message) {
  CodeLocation location = LocateCode(fault.address);
  FormatArg at = FormatArg::Pointer(fault.address);
  FormatArg access =
      FormatArg::Text(MessageText(fault.isWrite ? MessageId::kWriting : MessageId::kReading));
  FormatArg accessed = FormatArg::Pointer(fault.accessAddress);
  if (location.inModule) {
    FormatText(message, KindMessage(ErrorKind::EAccessViolation),
               {at, FormatArg::Text(location.moduleName.View()), access, accessed});
  } else {
    FormatText(message, MessageText(MessageId::kAccessViolation), {at, access, accessed});
  }
}

}  // namespace

Error ErrorOfFault(const platform::FaultInfo& fault) {
  ErrorKind kind = KindOfFault(fault.code);
  FixedText message;
  if (kind == ErrorKind::EAccessViolation) {
    FormatAccessViolation(fault, message);
  } else if (kind == ErrorKind::EExternalException) {
    FormatText(message, KindMessage(kind), {FormatArg::Hex(fault.code)});
  } else {
    return FixedError(kind, fault.address);
  }
  return Error(kind, message.View(), fault.address);
}

}  // namespace zaveredo
