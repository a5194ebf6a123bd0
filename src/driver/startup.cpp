#include "driver/startup.h"

#include "driver/texts.h"
#include "probe/windows_name.h"
#include "runtime/format/separators.h"
#include "runtime/termination/termination.h"
#include "runtime/time_of_day.h"
#include "workloads/arrays.h"
#include "x87/control_word.h"

namespace zaveredo {

PlatformVersionInfo StartUp() {
  x87::ResetFpu();
  InstallErrorMachinery();
  LoadDriverTexts();
  ReadSeparators();
  FixLocalOffset();
  PlatformVersionInfo version = QueryPlatformVersion();
  // The termination sequence releases the arrays first, on the normal end and after an error.
  SetProgramFinalization(ReleaseAllArrays);
  return version;
}

}  // namespace zaveredo
