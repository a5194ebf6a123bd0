// The run-time error kinds. A failed check raises one of these as a C++ exception; the program
// catches them only in the clock-rate measurement and at the top level, which reports and ends
// the run. The message is 8-bit text in the ANSI code page, held inside the object, so raising
// needs no further allocation.
#pragma once

#include <cstdint>
#include <string_view>

namespace zaveredo {

class Exception {
 public:
  explicit Exception(std::string_view message);
  virtual ~Exception() = default;

  // The kind's own name as the report shows it, for example "ERangeError".
  virtual const char* KindName() const { return "Exception"; }
  const char* Message() const { return message_; }

  // The code address the error is reported at: just after the failed check.
  const void* Address() const { return address_; }
  void SetAddress(const void* address) { address_ = address; }

  // Room for the longest message a report can show (1023 characters and the NUL).
  static constexpr int kMessageCapacity = 1024;

 private:
  char message_[kMessageCapacity];
  const void* address_ = nullptr;
};

#define ZAV_ERROR_KIND(Kind, Parent)                        \
  class Kind : public Parent {                              \
   public:                                                  \
    using Parent::Parent;                                   \
    const char* KindName() const override { return #Kind; } \
  }

ZAV_ERROR_KIND(EExternal, Exception);
ZAV_ERROR_KIND(EIntError, EExternal);
ZAV_ERROR_KIND(ERangeError, EIntError);
ZAV_ERROR_KIND(EIntOverflow, EIntError);
ZAV_ERROR_KIND(EDivByZero, EIntError);
ZAV_ERROR_KIND(EMathError, EExternal);
ZAV_ERROR_KIND(EInvalidOp, EMathError);
ZAV_ERROR_KIND(EZeroDivide, EMathError);
ZAV_ERROR_KIND(EOverflow, EMathError);
ZAV_ERROR_KIND(EUnderflow, EMathError);
ZAV_ERROR_KIND(EAccessViolation, EExternal);
ZAV_ERROR_KIND(EStackOverflow, EExternal);
ZAV_ERROR_KIND(EPrivilege, EExternal);
ZAV_ERROR_KIND(EControlC, EExternal);
ZAV_ERROR_KIND(EExternalException, EExternal);
ZAV_ERROR_KIND(EHeapException, Exception);
ZAV_ERROR_KIND(EOutOfMemory, EHeapException);
ZAV_ERROR_KIND(EInvalidPointer, EHeapException);
ZAV_ERROR_KIND(ERegistryException, Exception);
ZAV_ERROR_KIND(EConvertError, Exception);

#undef ZAV_ERROR_KIND

class EInOutError : public Exception {
 public:
  EInOutError(std::string_view message, std::int32_t errorCode)
      : Exception(message), errorCode_(errorCode) {}
  const char* KindName() const override { return "EInOutError"; }
  std::int32_t ErrorCode() const { return errorCode_; }

 private:
  std::int32_t errorCode_;
};

// The failures a check can report, each with its kind and fixed message.
enum class RunError {
  kRangeCheck,      // ERangeError
  kIntOverflow,     // EIntOverflow
  kOutOfMemory,     // EOutOfMemory, the pre-made object
  kInvalidPointer,  // EInvalidPointer, the pre-made object
  kFloatOverflow,   // EOverflow, for a value too large for real48
  kTimeEncoding,    // EConvertError, an impossible clock reading
};

// Raises the error for the failure, reported at the given code address.
[[noreturn]] void RaiseRunError(RunError failure, const void* address);

// Raises EInOutError for a non-zero I/O error code, with its message, at the given address.
[[noreturn]] void RaiseIoError(std::int32_t code, const void* address);

}  // namespace zaveredo
