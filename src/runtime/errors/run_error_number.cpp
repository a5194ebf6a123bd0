#include "runtime/errors/run_error_number.h"

#include "platform/faults.h"

namespace zaveredo {
namespace {

constexpr std::uint32_t kDivisionByZero = 200;
constexpr std::uint32_t kRangeCheck = 201;
constexpr std::uint32_t kStackOverflow = 202;
constexpr std::uint32_t kOutOfMemory = 203;
constexpr std::uint32_t kInvalidPointer = 204;
constexpr std::uint32_t kFloatOverflow = 205;
constexpr std::uint32_t kFloatUnderflow = 206;
constexpr std::uint32_t kInvalidFloatOp = 207;
constexpr std::uint32_t kIntOverflow = 215;
constexpr std::uint32_t kAccessViolation = 216;
constexpr std::uint32_t kUnhandled = 217;  // also control-C
constexpr std::uint32_t kPrivilege = 218;
constexpr std::uint32_t kOtherFault = 255;

template <typename Kind>
bool Is(const Exception& error) {
  return dynamic_cast<const Kind*>(&error) != nullptr;
}

}  // namespace

std::uint32_t RunErrorNumber(const Exception& error) {
  if (auto io = dynamic_cast<const EInOutError*>(&error))
    return static_cast<std::uint32_t>(io->ErrorCode());
  if (Is<EDivByZero>(error) || Is<EZeroDivide>(error)) return kDivisionByZero;
  if (Is<ERangeError>(error)) return kRangeCheck;
  if (Is<EStackOverflow>(error)) return kStackOverflow;
  if (Is<EOutOfMemory>(error)) return kOutOfMemory;
  if (Is<EInvalidPointer>(error)) return kInvalidPointer;
  if (Is<EOverflow>(error)) return kFloatOverflow;
  if (Is<EUnderflow>(error)) return kFloatUnderflow;
  if (Is<EInvalidOp>(error)) return kInvalidFloatOp;
  if (Is<EIntOverflow>(error)) return kIntOverflow;
  if (Is<EAccessViolation>(error)) return kAccessViolation;
  if (Is<EPrivilege>(error)) return kPrivilege;
  if (Is<EExternalException>(error)) return kOtherFault;
  return kUnhandled;
}

std::uint32_t FaultRunErrorNumber(std::uint32_t exceptionCode) {
  namespace p = platform;
  switch (exceptionCode) {
    case p::kExceptionIntDivideByZero:
    case p::kExceptionFltDivideByZero:
      return kDivisionByZero;
    case p::kExceptionArrayBoundsExceeded:
      return kRangeCheck;
    case p::kExceptionStackOverflow:
      return kStackOverflow;
    case p::kExceptionFltOverflow:
      return kFloatOverflow;
    case p::kExceptionFltDenormalOperand:
    case p::kExceptionFltUnderflow:
      return kFloatUnderflow;
    case p::kExceptionFltInexactResult:
    case p::kExceptionFltInvalidOperation:
    case p::kExceptionFltStackCheck:
      return kInvalidFloatOp;
    case p::kExceptionIntOverflow:
      return kIntOverflow;
    case p::kExceptionAccessViolation:
      return kAccessViolation;
    case p::kStatusControlCExit:
      return kUnhandled;
    case p::kExceptionPrivInstruction:
      return kPrivilege;
    default:
      return kOtherFault;
  }
}

}  // namespace zaveredo
