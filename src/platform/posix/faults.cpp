// Processor faults as signals, read in the Win32 terms of faults.h.
#include "platform/faults.h"

#include <pthread.h>
#include <setjmp.h>
#include <signal.h>
#include <ucontext.h>

#include <cstddef>
#include <cstdint>

namespace zaveredo::platform {
namespace {

constexpr std::uintptr_t kPageFaultTrap = 14;
constexpr std::uintptr_t kPageFaultWriteBit = 0x2;
// A stack overflow faults a little below the stack's end, or close to the stack pointer.
constexpr std::uintptr_t kOverflowReach = 1024 * 1024;
constexpr std::uintptr_t kStackPointerReach = 64 * 1024;

#if defined(__x86_64__)
constexpr int kInstructionPointer = REG_RIP;
constexpr int kStackPointer = REG_RSP;
#else
constexpr int kInstructionPointer = REG_EIP;
constexpr int kStackPointer = REG_ESP;
#endif

// A register saved in the fault's context.
std::uintptr_t Saved(const ucontext_t& c, int reg) {
  return static_cast<std::uintptr_t>(c.uc_mcontext.gregs[reg]);
}

std::uint32_t FloatingPointCode(int code) {
  switch (code) {
    case FPE_INTDIV:
      return kExceptionIntDivideByZero;
    case FPE_INTOVF:
      return kExceptionIntOverflow;
    case FPE_FLTDIV:
      return kExceptionFltDivideByZero;
    case FPE_FLTOVF:
      return kExceptionFltOverflow;
    case FPE_FLTUND:
      return kExceptionFltUnderflow;
    case FPE_FLTRES:
      return kExceptionFltInexactResult;
    default:
      return kExceptionFltInvalidOperation;  // FPE_FLTINV, FPE_FLTSUB, or no detail
  }
}

bool IsLegacyPrefix(unsigned char b) {
  return b == 0x66 || b == 0x67 || b == 0xF2 || b == 0xF3 || b == 0x2E || b == 0x36 || b == 0x3E ||
         b == 0x26 || b == 0x64 || b == 0x65 || (b >= 0x40 && b <= 0x4F);
}

// The processor raises a general protection fault both for instructions reserved to the
// kernel and for impossible addresses; the instruction tells them apart.
bool IsPrivilegedInstruction(const unsigned char* code) {
  int i = 0;
  while (i < 4 && IsLegacyPrefix(code[i])) ++i;
  unsigned char op = code[i];
  if (op == 0xF4 || op == 0xFA || op == 0xFB) return true;                    // hlt, cli, sti
  if ((op >= 0xE4 && op <= 0xE7) || (op >= 0xEC && op <= 0xEF)) return true;  // in, out
  if (op >= 0x6C && op <= 0x6F) return true;                                  // ins, outs
  if (op != 0x0F) return false;
  switch (code[i + 1]) {
    case 0x01:  // descriptor tables, rdtscp
    case 0x06:  // clts
    case 0x08:  // invd
    case 0x09:  // wbinvd
    case 0x20:
    case 0x21:
    case 0x22:
    case 0x23:  // control and debug registers
    case 0x30:  // wrmsr
    case 0x31:  // rdtsc, when the kernel forbids it
    case 0x32:  // rdmsr
    case 0x33:  // rdpmc
      return true;
    default:
      return false;
  }
}

bool IsStackOverflow(std::uintptr_t access, std::uintptr_t stackPointer, std::uintptr_t lowEnd) {
  if (lowEnd != 0 && access < lowEnd + kStackPointerReach && access + kOverflowReach >= lowEnd)
    return true;
  return access + kStackPointerReach >= stackPointer && access < stackPointer + kStackPointerReach;
}

// The lowest address of the calling thread's stack, 0 when unknown: faults close below it are
// stack overflows.
std::uintptr_t CurrentStackLowEnd() {
  pthread_attr_t attr;
  if (pthread_getattr_np(pthread_self(), &attr) != 0) return 0;
  void* low = nullptr;
  std::size_t size = 0;
  if (pthread_attr_getstack(&attr, &low, &size) != 0) low = nullptr;
  pthread_attr_destroy(&attr);
  return reinterpret_cast<std::uintptr_t>(low);
}

// The fault a SIGFPE, SIGSEGV, SIGBUS or SIGILL reports.
FaultInfo DescribeFault(int signal, const siginfo_t& info, const ucontext_t& context,
                        std::uintptr_t stackLowEnd) {
  FaultInfo fault;
  fault.address = reinterpret_cast<const void*>(Saved(context, kInstructionPointer));
  if (signal == SIGFPE) {
    fault.code = FloatingPointCode(info.si_code);
    return fault;
  }
  if (signal == SIGILL) {
    bool privileged = info.si_code == ILL_PRVOPC || info.si_code == ILL_PRVREG;
    fault.code = privileged ? kExceptionPrivInstruction : kExceptionIllegalInstruction;
    return fault;
  }
  fault.accessAddress = info.si_addr;  // SIGSEGV or SIGBUS
  auto access = reinterpret_cast<std::uintptr_t>(info.si_addr);
  if (info.si_code == SI_KERNEL &&
      IsPrivilegedInstruction(static_cast<const unsigned char*>(fault.address))) {
    fault.code = kExceptionPrivInstruction;
  } else if (info.si_code != SI_KERNEL &&
             IsStackOverflow(access, Saved(context, kStackPointer), stackLowEnd)) {
    fault.code = kExceptionStackOverflow;
  } else {
    fault.code = kExceptionAccessViolation;
    fault.isWrite = Saved(context, REG_TRAPNO) == kPageFaultTrap &&
                    (Saved(context, REG_ERR) & kPageFaultWriteBit) != 0;
  }
  return fault;
}

constexpr int kFaultSignals[] = {SIGFPE, SIGSEGV, SIGBUS, SIGILL};

// The handler runs here, so it can still run when the thread's own stack is used up. It is
// large enough for the error report, which runs on it.
constexpr std::size_t kAlternateStackSize = 256 * 1024;
alignas(64) char alternateStack[kAlternateStackSize];

struct Guard {
  sigjmp_buf resume;
  FaultInfo* fault;
  Guard* outer;
};

Guard* volatile innermost = nullptr;
FaultHandler installedHandler = nullptr;
bool signalsTaken = false;
std::uintptr_t stackLowEnd = 0;

// kill, sigqueue, tgkill and the like give a code of 0 or below (SI_USER, SI_QUEUE, SI_TKILL);
// the processor's faults come with codes above 0.
bool SentByAProcess(const siginfo_t& info) {
  return info.si_code <= 0;
}

void OnFaultSignal(int signal, siginfo_t* info, void* context) {
  // A sent signal is no fault of the program: it takes its default action, as SIGTERM does. It
  // stays blocked while the handler runs and arrives again once the handler has returned.
  if (SentByAProcess(*info)) {
    ::signal(signal, SIG_DFL);
    raise(signal);
    return;
  }
  FaultInfo fault = DescribeFault(signal, *info, *static_cast<ucontext_t*>(context), stackLowEnd);
  if (Guard* guard = innermost; guard != nullptr) {
    innermost = guard->outer;
    *guard->fault = fault;
    siglongjmp(guard->resume, 1);
  }
  if (installedHandler != nullptr) installedHandler(fault);
  // Nobody takes the fault: returning re-runs the instruction under the default action.
  ::signal(signal, SIG_DFL);
}

void TakeFaultSignals() {
  if (signalsTaken) return;
  stack_t alternate{};
  alternate.ss_sp = alternateStack;
  alternate.ss_size = sizeof alternateStack;
  sigaltstack(&alternate, nullptr);
  stackLowEnd = CurrentStackLowEnd();
  struct sigaction action {};
  action.sa_sigaction = &OnFaultSignal;
  action.sa_flags = SA_SIGINFO | SA_ONSTACK;
  sigemptyset(&action.sa_mask);
  for (int signal : kFaultSignals) sigaction(signal, &action, nullptr);
  signalsTaken = true;
}

// Kept apart from RunFaultGuarded so that the jump back crosses no frame with cleanups.
void RunInside(Guard& guard, void (*body)(void*), void* context) {
  try {
    body(context);
  } catch (...) {
    innermost = guard.outer;
    throw;
  }
}

}  // namespace

void InstallFaultHandler(FaultHandler handler) {
  TakeFaultSignals();
  installedHandler = handler;
}

bool RunFaultGuarded(void (*body)(void*), void* context, FaultInfo* fault) {
  TakeFaultSignals();
  Guard guard;
  guard.fault = fault;
  guard.outer = innermost;
  // The saved signal mask comes back with the jump, so the fault's signal is open again.
  if (sigsetjmp(guard.resume, 1) != 0) return false;
  innermost = &guard;
  RunInside(guard, body, context);
  innermost = guard.outer;
  return true;
}

bool ConsultUnhandledExceptionFilter(const FaultInfo&) {
  return true;
}

}  // namespace zaveredo::platform
