#include "platform/posix/fault_description.h"

#include <pthread.h>

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

bool IsStackOverflow(std::uintptr_t access, std::uintptr_t stackPointer, const StackBounds& stack) {
  if (stack.low != 0 && access < stack.low + kStackPointerReach &&
      access + kOverflowReach >= stack.low)
    return true;
  return access + kStackPointerReach >= stackPointer && access < stackPointer + kStackPointerReach;
}

FaultInfo DescribeMemoryFault(const siginfo_t& info, const ucontext_t& context,
                              const StackBounds& stack) {
  FaultInfo fault;
  fault.address = reinterpret_cast<const void*>(Saved(context, kInstructionPointer));
  fault.accessAddress = info.si_addr;
  if (info.si_code == SI_KERNEL &&
      IsPrivilegedInstruction(static_cast<const unsigned char*>(fault.address))) {
    fault.code = kExceptionPrivInstruction;
    return fault;
  }
  auto access = reinterpret_cast<std::uintptr_t>(info.si_addr);
  if (info.si_code != SI_KERNEL && IsStackOverflow(access, Saved(context, kStackPointer), stack)) {
    fault.code = kExceptionStackOverflow;
    return fault;
  }
  fault.code = kExceptionAccessViolation;
  fault.isWrite = Saved(context, REG_TRAPNO) == kPageFaultTrap &&
                  (Saved(context, REG_ERR) & kPageFaultWriteBit) != 0;
  return fault;
}

}  // namespace

StackBounds CurrentStackBounds() {
  StackBounds bounds;
  pthread_attr_t attr;
  if (pthread_getattr_np(pthread_self(), &attr) != 0) return bounds;
  void* low = nullptr;
  std::size_t size = 0;
  if (pthread_attr_getstack(&attr, &low, &size) == 0) {
    bounds.low = reinterpret_cast<std::uintptr_t>(low);
    bounds.high = bounds.low + size;
  }
  pthread_attr_destroy(&attr);
  return bounds;
}

FaultInfo DescribeFault(int signal, const siginfo_t& info, const ucontext_t& context,
                        const StackBounds& stack) {
  if (signal == SIGSEGV || signal == SIGBUS) return DescribeMemoryFault(info, context, stack);
  FaultInfo fault;
  fault.address = reinterpret_cast<const void*>(Saved(context, kInstructionPointer));
  if (signal == SIGFPE) {
    fault.code = FloatingPointCode(info.si_code);
  } else if (info.si_code == ILL_PRVOPC || info.si_code == ILL_PRVREG) {
    fault.code = kExceptionPrivInstruction;
  } else {
    fault.code = kExceptionIllegalInstruction;
  }
  return fault;
}

}  // namespace zaveredo::platform
