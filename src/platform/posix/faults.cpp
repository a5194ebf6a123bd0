#include "platform/faults.h"

#include <setjmp.h>
#include <signal.h>

#include <cstddef>

#include "platform/posix/fault_description.h"

namespace zaveredo::platform {
namespace {

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
StackBounds stack;

// kill, sigqueue, tgkill and the like give a code of 0 or below (SI_USER, SI_QUEUE, SI_TKILL);
// the processor's faults come with codes above 0.
bool SentByAProcess(const siginfo_t& info) {
  return info.si_code <= 0;
}

void SetDefaultAction(int signal) {
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  sigaction(signal, &fallback, nullptr);
}

void OnFaultSignal(int signal, siginfo_t* info, void* context) {
  // A sent signal is no fault of the program: it takes its default action, as SIGTERM does. It
  // stays blocked while the handler runs and arrives again once the handler has returned.
  if (SentByAProcess(*info)) {
    SetDefaultAction(signal);
    raise(signal);
    return;
  }
  FaultInfo fault = DescribeFault(signal, *info, *static_cast<ucontext_t*>(context), stack);
  if (Guard* guard = innermost; guard != nullptr) {
    innermost = guard->outer;
    *guard->fault = fault;
    siglongjmp(guard->resume, 1);
  }
  if (installedHandler != nullptr) installedHandler(fault);
  // Nobody takes the fault: returning re-runs the instruction under the default action.
  SetDefaultAction(signal);
}

void TakeFaultSignals() {
  if (signalsTaken) return;
  stack_t alternate{};
  alternate.ss_sp = alternateStack;
  alternate.ss_size = sizeof alternateStack;
  sigaltstack(&alternate, nullptr);
  stack = CurrentStackBounds();
  struct sigaction action {};
  action.sa_sigaction = &OnFaultSignal;
  action.sa_flags = SA_SIGINFO | SA_ONSTACK;
  sigemptyset(&action.sa_mask);
  for (int signal : kFaultSignals) sigaction(signal, &action, nullptr);
  signalsTaken = true;
}

void ReleaseFaultSignals() {
  if (!signalsTaken) return;
  for (int signal : kFaultSignals) SetDefaultAction(signal);
  signalsTaken = false;
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

void RemoveFaultHandler() {
  installedHandler = nullptr;
  if (innermost == nullptr) ReleaseFaultSignals();
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
