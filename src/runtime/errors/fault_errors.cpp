#include "runtime/errors/fault_errors.h"

#include "runtime/errors/code_location.h"
#include "runtime/errors/format_text.h"
#include "runtime/errors/messages.h"

namespace zaveredo {
namespace {

using Use = void (*)(const Exception& error, void* context);

template <typename Kind>
void Hand(std::string_view message, const platform::FaultInfo& fault, Use use, void* context) {
  Kind error(message);
  error.SetAddress(fault.address);
  use(error, context);
}

template <typename Kind>
void HandFixed(MessageId id, const platform::FaultInfo& fault, Use use, void* context) {
  Hand<Kind>(MessageText(id), fault, use, context);
}

void HandAccessViolation(const platform::FaultInfo& fault, Use use, void* context) {
  CodeLocation location = LocateCode(fault.address);
  FormatArg access =
      FormatArg::Text(MessageText(fault.isWrite ? MessageId::kWriting : MessageId::kReading));
  FixedText message;
  if (location.inModule) {
    FormatText(message, MessageText(MessageId::kAccessViolationInModule),
               {FormatArg::Pointer(fault.address), FormatArg::Text(location.moduleName), access,
                FormatArg::Pointer(fault.accessAddress)});
  } else {
    FormatText(
        message, MessageText(MessageId::kAccessViolation),
        {FormatArg::Pointer(fault.address), access, FormatArg::Pointer(fault.accessAddress)});
  }
  Hand<EAccessViolation>(message.View(), fault, use, context);
}

void HandExternal(const platform::FaultInfo& fault, Use use, void* context) {
  FixedText message;
  FormatText(message, MessageText(MessageId::kExternalException), {FormatArg::Hex(fault.code)});
  Hand<EExternalException>(message.View(), fault, use, context);
}

}  // namespace

void WithFaultError(const platform::FaultInfo& fault, Use use, void* context) {
  namespace p = platform;
  switch (fault.code) {
    case p::kExceptionArrayBoundsExceeded:
      return HandFixed<ERangeError>(MessageId::kRangeError, fault, use, context);
    case p::kExceptionIntDivideByZero:
      return HandFixed<EDivByZero>(MessageId::kDivByZero, fault, use, context);
    case p::kExceptionIntOverflow:
      return HandFixed<EIntOverflow>(MessageId::kIntOverflow, fault, use, context);
    case p::kExceptionFltInexactResult:
    case p::kExceptionFltInvalidOperation:
    case p::kExceptionFltStackCheck:
      return HandFixed<EInvalidOp>(MessageId::kInvalidOp, fault, use, context);
    case p::kExceptionFltDivideByZero:
      return HandFixed<EZeroDivide>(MessageId::kZeroDivide, fault, use, context);
    case p::kExceptionFltOverflow:
      return HandFixed<EOverflow>(MessageId::kFloatOverflow, fault, use, context);
    case p::kExceptionFltDenormalOperand:
    case p::kExceptionFltUnderflow:
      return HandFixed<EUnderflow>(MessageId::kUnderflow, fault, use, context);
    case p::kExceptionStackOverflow:
      return HandFixed<EStackOverflow>(MessageId::kStackOverflow, fault, use, context);
    case p::kExceptionPrivInstruction:
      return HandFixed<EPrivilege>(MessageId::kPrivilege, fault, use, context);
    case p::kStatusControlCExit:
      return HandFixed<EControlC>(MessageId::kControlC, fault, use, context);
    case p::kExceptionAccessViolation:
      return HandAccessViolation(fault, use, context);
    default:
      return HandExternal(fault, use, context);
  }
}

}  // namespace zaveredo
