#include "platform/win32/fault_context.h"

#include <cstring>

#include "x87/control_word.h"

namespace zaveredo::platform::win32 {
namespace {

constexpr DWORD kFirstX87Code = kExceptionFltDenormalOperand;
constexpr DWORD kLastX87Code = kExceptionFltUnderflow;
// Status-word bits: the six exception flags, the stack fault, the summary and busy bits.
constexpr WORD kPendingExceptionBits = 0x80FF;
constexpr DWORD kDirectionFlag = 0x400;

bool Has(const CONTEXT& context, DWORD part) {
  return (context.ContextFlags & part) == part;
}

}  // namespace

FaultInfo DescribeFault(const EXCEPTION_RECORD& record, const CONTEXT& context) {
  FaultInfo fault;
  fault.code = record.ExceptionCode;
  fault.address = record.ExceptionAddress;
  bool x87 = fault.code >= kFirstX87Code && fault.code <= kLastX87Code;
  if (x87 && Has(context, CONTEXT_FLOATING_POINT) && context.FloatSave.ErrorOffset != 0) {
    fault.address = reinterpret_cast<const void*>(context.FloatSave.ErrorOffset);
  }
  if (fault.code == kExceptionAccessViolation && record.NumberParameters >= 2) {
    fault.isWrite = record.ExceptionInformation[0] == 1;  // 0 read, 1 write, 8 execute
    fault.accessAddress = reinterpret_cast<const void*>(record.ExceptionInformation[1]);
  }
  return fault;
}

std::uint16_t FaultControlWord(const CONTEXT& context) {
  if (Has(context, CONTEXT_FLOATING_POINT)) {
    return static_cast<std::uint16_t>(context.FloatSave.ControlWord);
  }
  return GetControlWord();
}

void RedirectContext(CONTEXT* context, void (*target)(), void* stackTop) {
  context->FloatSave.StatusWord &= ~static_cast<DWORD>(kPendingExceptionBits);
  if (Has(*context, CONTEXT_EXTENDED_REGISTERS)) {
    // The FXSAVE image, which is what gets restored when present: status word at offset 2.
    WORD status;
    std::memcpy(&status, context->ExtendedRegisters + 2, sizeof status);
    status &= static_cast<WORD>(~kPendingExceptionBits);
    std::memcpy(context->ExtendedRegisters + 2, &status, sizeof status);
  }
  // Enter target as a call would leave it: a (never used) return address on a stack that was
  // 16-byte aligned before the call.
  auto top = reinterpret_cast<std::uintptr_t>(stackTop) & ~static_cast<std::uintptr_t>(15);
  top -= 16 + sizeof(DWORD);
  *reinterpret_cast<DWORD*>(top) = 0;
  context->Esp = static_cast<DWORD>(top);
  context->Eip = static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(target));
  context->EFlags &= ~kDirectionFlag;
}

}  // namespace zaveredo::platform::win32
