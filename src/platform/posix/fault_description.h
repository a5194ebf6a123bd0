// How a signal raised by a processor fault reads in the Win32 terms of faults.h.
#pragma once

#include <signal.h>
#include <ucontext.h>

#include <cstdint>

#include "platform/faults.h"

namespace zaveredo::platform {

// The thread's stack: faults close below its lowest address are stack overflows.
struct StackBounds {
  std::uintptr_t low = 0;
  std::uintptr_t high = 0;
};

// The calling thread's stack.
StackBounds CurrentStackBounds();

// The fault a SIGFPE, SIGSEGV, SIGBUS or SIGILL reports.
FaultInfo DescribeFault(int signal, const siginfo_t& info, const ucontext_t& context,
                        const StackBounds& stack);

}  // namespace zaveredo::platform
