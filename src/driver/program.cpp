#include "driver/program.h"

#include <new>

#include "driver/run.h"
#include "driver/startup.h"
#include "runtime/errors/errors.h"
#include "runtime/termination/termination.h"

namespace zaveredo {

int RunProgram(std::int32_t elementCount) {
  try {
    // Inside the handler too: an error before the machinery is up leaves the fallback line.
    PlatformVersionInfo version = StartUp();
    RunBenchmark(elementCount, version);
  } catch (const Error& error) {
    ReportUnhandledError(error);
  } catch (const std::bad_alloc&) {
    // A text that could not grow: the same report as an array that cannot be sized.
    ReportOutOfMemory();
  }
  TerminateRun(0);
}

}  // namespace zaveredo
