#include "runtime/termination/termination.h"

#include <exception>
#include <new>

#include "platform/faults.h"
#include "platform/process.h"
#include "runtime/errors/fault_errors.h"
#include "runtime/errors/messages.h"
#include "runtime/termination/error_report.h"
#include "runtime/termination/fallback_line.h"
#include "runtime/text/text_stream.h"
#include "x87/control_word.h"

namespace zaveredo {
namespace {

constexpr std::uint32_t kErrorExitCode = 1;

bool installed = false;
bool reporting = false;
bool finalizing = false;
bool closing = false;
void (*programFinalization)() = nullptr;

void OnUnhandledFault(const platform::FaultInfo& fault) {
  if (!platform::ConsultUnhandledExceptionFilter(fault)) return;  // the platform takes it
  x87::ResetFpu();
  ReportUnhandledError(ErrorOfFault(fault));
}

// An error that left everything without being caught.
[[noreturn]] void OnUncaughtError() {
  std::exception_ptr current = std::current_exception();
  // Nothing is thrown when even the error object found no memory: the run ends out of memory.
  if (!current) ReportOutOfMemory();
  try {
    std::rethrow_exception(current);
  } catch (const Error& error) {
    ReportUnhandledError(error);
  } catch (const std::bad_alloc&) {
    ReportOutOfMemory();
  } catch (...) {
  }
  // Anything else thrown: the base kind's number.
  ExitWithFallbackLine(RowOf(ErrorKind::Exception).runErrorNumber, nullptr);
}

}  // namespace

void InstallErrorMachinery() {
  // First: loading the messages needs memory, and a failure to raise for want of it must end
  // with the fallback line, not the C++ run-time's own abort.
  std::set_terminate(&OnUncaughtError);
  LoadMessages();
  platform::InstallFaultHandler(&OnUnhandledFault);
  installed = true;
}

void RemoveErrorMachinery() {
  // The fault and terminate handlers stay: without the machinery they leave the fallback line.
  installed = false;
}

void ReportUnhandledError(const Error& error) {
  if (!installed) ExitWithFallbackLine(error.RunErrorNumber(), error.Address());
  // A failure while reporting must not report again.
  if (!reporting) {
    reporting = true;
    WriteErrorReport(error);
  }
  TerminateRun(kErrorExitCode);
}

void ReportOutOfMemory() {
  // Before the machinery is up the messages may not be loaded, and loading them needs memory.
  if (!installed) ExitWithFallbackLine(RowOf(ErrorKind::EOutOfMemory).runErrorNumber, nullptr);
  ReportUnhandledError(FixedError(ErrorKind::EOutOfMemory));
}

void TerminateRun(std::uint32_t exitCode) {
  if (!finalizing) {
    finalizing = true;
    if (programFinalization != nullptr) programFinalization();
  }
  if (!closing) {
    closing = true;
    RemoveErrorMachinery();
    try {
      CloseConsoleStreams();  // a failure here only sets the pending I/O code, never checked
    } catch (...) {
    }
  }
  platform::ExitProcess(exitCode);
}

void SetProgramFinalization(void (*finalize)()) {
  programFinalization = finalize;
}

}  // namespace zaveredo
