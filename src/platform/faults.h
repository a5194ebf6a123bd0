// Processor faults (floating-point exceptions, bad memory accesses, stack overflow, bad
// instructions) as the platform reports them, with the Win32 exception codes.
// A fault does not unwind: either the installed handler reports it and ends the process, or a
// guarded region is left by a jump back to its start.
#pragma once

#include <cstdint>

namespace zaveredo::platform {

inline constexpr std::uint32_t kExceptionAccessViolation = 0xC0000005u;
inline constexpr std::uint32_t kExceptionIllegalInstruction = 0xC000001Du;
inline constexpr std::uint32_t kExceptionArrayBoundsExceeded = 0xC000008Cu;
inline constexpr std::uint32_t kExceptionFltDenormalOperand = 0xC000008Du;
inline constexpr std::uint32_t kExceptionFltDivideByZero = 0xC000008Eu;
inline constexpr std::uint32_t kExceptionFltInexactResult = 0xC000008Fu;
inline constexpr std::uint32_t kExceptionFltInvalidOperation = 0xC0000090u;
inline constexpr std::uint32_t kExceptionFltOverflow = 0xC0000091u;
inline constexpr std::uint32_t kExceptionFltStackCheck = 0xC0000092u;
inline constexpr std::uint32_t kExceptionFltUnderflow = 0xC0000093u;
inline constexpr std::uint32_t kExceptionIntDivideByZero = 0xC0000094u;
inline constexpr std::uint32_t kExceptionIntOverflow = 0xC0000095u;
inline constexpr std::uint32_t kExceptionPrivInstruction = 0xC0000096u;
inline constexpr std::uint32_t kExceptionStackOverflow = 0xC00000FDu;
inline constexpr std::uint32_t kStatusControlCExit = 0xC000013Au;

struct FaultInfo {
  std::uint32_t code = 0;               // one of the exception codes above
  const void* address = nullptr;        // the faulting instruction
  bool isWrite = false;                 // access violations: a write rather than a read
  const void* accessAddress = nullptr;  // access violations: the address accessed
};

// Called on the faulting thread, with the floating-point unit reset. It either ends the process
// or returns to leave the fault to the platform's default handling (which ends it too).
using FaultHandler = void (*)(const FaultInfo& fault);

// Installs the handler for faults outside any guarded region (an alternate stack lets it run
// after a stack overflow too), for the rest of the process.
void InstallFaultHandler(FaultHandler handler);

// Runs body(context). Returns true when it completed; false when a processor fault interrupted
// it, with *fault describing the fault. After a fault nothing of body's frames is unwound, so
// body must own nothing that needs destruction. Guards nest: a fault goes to the innermost one.
// A C++ exception leaving body passes through and leaves the guard too.
bool RunFaultGuarded(void (*body)(void*), void* context, FaultInfo* fault);

// UnhandledExceptionFilter, consulted before the program reports a fault of its own: false when
// the platform takes the fault over. Always true on Linux.
bool ConsultUnhandledExceptionFilter(const FaultInfo& fault);

}  // namespace zaveredo::platform
