// The error machinery and the end of the run. Every error that no guard catches ends the run
// here: with the report on the standard error stream and exit code 1 while the machinery is
// installed, with the fallback line and the run-time error number while it is not.
#pragma once

#include <cstdint>

#include "runtime/errors/errors.h"

namespace zaveredo {

// Start-up: loads the messages and takes over processor faults
// (outside any guard a fault is reported at once, without unwinding) and uncaught errors.
void InstallErrorMachinery();

// From here on failures leave the fallback line instead of a report. Termination calls it.
void RemoveErrorMachinery();

// Writes the report of an error nothing caught and ends the run with exit code 1.
[[noreturn]] void ReportUnhandledError(const Error& error);

// The same for a memory request that failed (also when not even the error could be raised):
// EOutOfMemory, or the fallback line with its number while the machinery is not installed.
[[noreturn]] void ReportOutOfMemory();

// The termination sequence, the same for the normal and the error end: the program's
// finalization, the error machinery removed, the console streams closed (input, output, error,
// which writes out standard output), then the process ends with the code. A failure on the way
// does not start the sequence again.
[[noreturn]] void TerminateRun(std::uint32_t exitCode);

// The program's own finalization, the first step of termination (the arrays are released there).
void SetProgramFinalization(void (*finalize)());

}  // namespace zaveredo
