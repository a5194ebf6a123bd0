// Processor faults as Windows exceptions.
//
// Outside a guarded region a fault travels the normal way: frames that handle exceptions of
// their own (inside system calls) see it first, then the unhandled-exception filter installed
// here runs the program's handler. Two cases cannot wait for that filter and are taken by a
// vectored handler, which runs before any frame: a fault inside a guarded region, and a stack
// overflow, where the filter would itself overflow the exhausted stack.
//
// The handler runs on a stack of its own, since the faulting one may be exhausted. When it
// returns, the exception goes on to the platform's default handling. A guarded region is left
// by resuming the faulting thread, again on that stack, in a function that jumps back to the
// region's start: throwing from an exception handler cannot cross the system's dispatcher
// frames, so neither way unwinds.
#include "platform/faults.h"

#include <malloc.h>

#include <csetjmp>

#include "platform/win32/fault_context.h"
#include "platform/win32/windows_api.h"
#include "x87/control_word.h"

namespace zaveredo::platform {
namespace {

struct Guard {
  std::jmp_buf start;
  FaultInfo* fault;
  x87::ControlWord controlWord = x87::kRunControlWord;
  Guard* outer;
};

Guard* activeGuard = nullptr;
PVOID vectoredHandler = nullptr;

FaultHandler installedHandler = nullptr;
LPTOP_LEVEL_EXCEPTION_FILTER previousFilter = nullptr;
bool handlerRunning = false;  // a fault inside the handler is left to the platform
bool consulting = false;

// The fault handed to the handler, with copies of the exception's records for the filter.
FaultInfo takenFault;
x87::ControlWord takenControlWord = x87::kRunControlWord;
EXCEPTION_RECORD takenRecord;
CONTEXT takenContext;

alignas(16) unsigned char faultStack[64 * 1024];
void* const faultStackTop = faultStack + sizeof faultStack;

// The jump back to a region's start must not unwind: it leaves from the fault stack, whose
// frames lead nowhere. On x86-64 the runtime's longjmp unwinds unless setjmp recorded no frame.
#if defined(_WIN64)
#define ZAV_SET_GUARD_START(start) _setjmp((start), nullptr)
#else
#define ZAV_SET_GUARD_START(start) setjmp(start)
#endif

[[noreturn]] void JumpToGuardStart() {
  std::longjmp(activeGuard->start, 1);
}

// Switches to the stack whose top is given, calls routine() there and switches back.
extern "C" void ZavCallOnStack(void (*routine)(), void* stackTop);
#if defined(_WIN64)
// With unwind data, so that a fault inside the handler can be dispatched through this frame:
// the frame pointer leads back to the faulting stack.
asm(R"(
    .text
    .globl ZavCallOnStack
    .def ZavCallOnStack; .scl 2; .type 32; .endef
    .seh_proc ZavCallOnStack
ZavCallOnStack:
    pushq %rbp
    .seh_pushreg %rbp
    movq %rsp, %rbp
    .seh_setframe %rbp, 0
    .seh_endprologue
    movq %rdx, %rsp
    andq $-16, %rsp
    subq $32, %rsp
    call *%rcx
    movq %rbp, %rsp
    popq %rbp
    ret
    .seh_endproc
)");
#else
asm(R"(
    .text
    .globl _ZavCallOnStack
_ZavCallOnStack:
    pushl %ebp
    movl %esp, %ebp
    movl 8(%ebp), %eax
    movl 12(%ebp), %esp
    andl $-16, %esp
    call *%eax
    movl %ebp, %esp
    popl %ebp
    ret
)");
#endif

void RunInstalledHandler() {
  x87::ResetFpu(takenControlWord);  // empties the register stack, clears the flags
  installedHandler(takenFault);
}

// Runs the handler; when it returns, the platform takes the fault over.
void TakeOver(EXCEPTION_POINTERS* pointers) {
  takenRecord = *pointers->ExceptionRecord;
  takenRecord.ExceptionRecord = nullptr;
  takenContext = *pointers->ContextRecord;
  takenFault = win32::DescribeFault(takenRecord, takenContext);
  takenControlWord = win32::FaultControlWord(takenContext);
  handlerRunning = true;  // stays set: the fault, and any later one, is the platform's now
  ZavCallOnStack(RunInstalledHandler, faultStackTop);
}

// Exception codes of the error severity: processor faults and the like. Codes of lower
// severity (breakpoints, debug output, guard pages) are none of the program's business.
bool IsProcessorFault(DWORD code) {
  return (code & 0xF0000000u) == 0xC0000000u;
}

LONG CALLBACK OnVectoredException(EXCEPTION_POINTERS* pointers) {
  DWORD code = pointers->ExceptionRecord->ExceptionCode;
  if (!IsProcessorFault(code) || handlerRunning) return EXCEPTION_CONTINUE_SEARCH;
  if (activeGuard != nullptr) {
    *activeGuard->fault =
        win32::DescribeFault(*pointers->ExceptionRecord, *pointers->ContextRecord);
    win32::RedirectContext(pointers->ContextRecord, JumpToGuardStart, faultStackTop);
    return EXCEPTION_CONTINUE_EXECUTION;
  }
  if (code == EXCEPTION_STACK_OVERFLOW && installedHandler != nullptr) {
    TakeOver(pointers);
    // The platform's own handling needs the stack the overflow used up; end as it would.
    ::TerminateProcess(::GetCurrentProcess(), code);
  }
  return EXCEPTION_CONTINUE_SEARCH;
}

LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS* pointers) {
  // Consulted by the program itself, about a fault it is going to report.
  if (consulting) return EXCEPTION_EXECUTE_HANDLER;
  DWORD code = pointers->ExceptionRecord->ExceptionCode;
  if (IsProcessorFault(code) && !handlerRunning && installedHandler != nullptr) {
    TakeOver(pointers);
  }
  return previousFilter != nullptr ? previousFilter(pointers) : EXCEPTION_CONTINUE_SEARCH;
}

void EnsureVectoredHandler() {
  if (vectoredHandler == nullptr)
    vectoredHandler = ::AddVectoredExceptionHandler(1, OnVectoredException);
}

bool IsTakenFault(const FaultInfo& fault) {
  return fault.code == takenFault.code && fault.address == takenFault.address;
}

}  // namespace

void InstallFaultHandler(FaultHandler handler) {
  EnsureVectoredHandler();
  if (installedHandler == nullptr)
    previousFilter = ::SetUnhandledExceptionFilter(OnUnhandledException);
  installedHandler = handler;
  handlerRunning = false;
}

bool RunFaultGuarded(void (*body)(void*), void* context, FaultInfo* fault) {
  EnsureVectoredHandler();
  Guard guard;
  guard.fault = fault;
  guard.controlWord = x87::ControlWordInForce();
  guard.outer = activeGuard;
  activeGuard = &guard;
  if (ZAV_SET_GUARD_START(guard.start) != 0) {
    activeGuard = guard.outer;
    x87::ResetFpu(guard.controlWord);
    // The overflow used up the stack's guard page; without a new one the next overflow would
    // end the process unannounced.
    if (guard.fault->code == kExceptionStackOverflow) _resetstkoflw();
    return false;
  }
  try {
    body(context);
  } catch (...) {
    activeGuard = guard.outer;  // a C++ exception leaves the region like a return
    throw;
  }
  activeGuard = guard.outer;
  return true;
}

bool ConsultUnhandledExceptionFilter(const FaultInfo& fault) {
  if (::IsDebuggerPresent()) return true;
  EXCEPTION_RECORD record;
  CONTEXT context;
  if (IsTakenFault(fault)) {
    record = takenRecord;
    context = takenContext;
  } else {
    // An error the program raised itself: describe it as the exception it stands for.
    ZeroMemory(&record, sizeof record);
    record.ExceptionCode = fault.code;
    record.ExceptionAddress = const_cast<void*>(fault.address);
    if (fault.code == kExceptionAccessViolation) {
      record.NumberParameters = 2;
      record.ExceptionInformation[0] = fault.isWrite ? 1 : 0;
      record.ExceptionInformation[1] = reinterpret_cast<ULONG_PTR>(fault.accessAddress);
    }
    ZeroMemory(&context, sizeof context);
    ::RtlCaptureContext(&context);
  }
  EXCEPTION_POINTERS pointers = {&record, &context};
  consulting = true;
  LONG answer = ::UnhandledExceptionFilter(&pointers);
  consulting = false;
  return answer != EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace zaveredo::platform
