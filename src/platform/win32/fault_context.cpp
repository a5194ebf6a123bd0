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

// The address of the x87 instruction that raised the pending exception. A 64-bit process
// saves the unit in the 64-bit FXSAVE layout, where the selector's place holds the address's
// upper half.
std::uintptr_t X87ErrorAddress(const CONTEXT& context) {
#if defined(_WIN64)
  const XMM_SAVE_AREA32& unit = context.FltSave;
  return static_cast<std::uintptr_t>(unit.ErrorOffset) |
         static_cast<std::uintptr_t>(unit.ErrorSelector) << 32 |
         static_cast<std::uintptr_t>(unit.Reserved2) << 48;
#else
  return context.FloatSave.ErrorOffset;
#endif
}

// The x87 status word as it will be restored: on x86-64 the FXSAVE image is the whole saved
// state; on x86 the FXSAVE image, when present, is restored rather than the older layout.
void ClearPendingX87Exceptions(CONTEXT* context) {
#if defined(_WIN64)
  context->FltSave.StatusWord &= static_cast<WORD>(~kPendingExceptionBits);
#else
  context->FloatSave.StatusWord &= ~static_cast<DWORD>(kPendingExceptionBits);
  if (Has(*context, CONTEXT_EXTENDED_REGISTERS)) {
    // Status word at offset 2.
    WORD status;
    std::memcpy(&status, context->ExtendedRegisters + 2, sizeof status);
    status &= static_cast<WORD>(~kPendingExceptionBits);
    std::memcpy(context->ExtendedRegisters + 2, &status, sizeof status);
  }
#endif
}

}  // namespace

FaultInfo DescribeFault(const EXCEPTION_RECORD& record, const CONTEXT& context) {
  FaultInfo fault;
  fault.code = record.ExceptionCode;
  fault.address = record.ExceptionAddress;
  bool x87 = fault.code >= kFirstX87Code && fault.code <= kLastX87Code;
  if (x87 && Has(context, CONTEXT_FLOATING_POINT) && X87ErrorAddress(context) != 0) {
    fault.address = reinterpret_cast<const void*>(X87ErrorAddress(context));
  }
  if (fault.code == kExceptionAccessViolation && record.NumberParameters >= 2) {
    fault.isWrite = record.ExceptionInformation[0] == 1;  // 0 read, 1 write, 8 execute
    fault.accessAddress = reinterpret_cast<const void*>(record.ExceptionInformation[1]);
  }
  return fault;
}

x87::ControlWord FaultControlWord(const CONTEXT& context) {
  if (Has(context, CONTEXT_FLOATING_POINT)) {
    return x87::ControlWord(static_cast<std::uint16_t>(context.FloatSave.ControlWord));
  }
  return x87::ControlWordInForce();
}

void RedirectContext(CONTEXT* context, void (*target)(), void* stackTop) {
  ClearPendingX87Exceptions(context);
  // Enter target as a call would leave it: a (never used) return address on a stack that was
  // 16-byte aligned before the call.
  auto top = reinterpret_cast<std::uintptr_t>(stackTop) & ~static_cast<std::uintptr_t>(15);
  auto entry = reinterpret_cast<std::uintptr_t>(target);
#if defined(_WIN64)
  top -= 32 + sizeof(DWORD64);  // above the return address, the callee's 32-byte home area
  *reinterpret_cast<DWORD64*>(top) = 0;
  context->Rsp = top;
  context->Rip = entry;
#else
  top -= 16 + sizeof(DWORD);
  *reinterpret_cast<DWORD*>(top) = 0;
  context->Esp = static_cast<DWORD>(top);
  context->Eip = static_cast<DWORD>(entry);
#endif
  context->EFlags &= ~kDirectionFlag;
}

}  // namespace zaveredo::platform::win32
