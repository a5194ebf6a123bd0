#include "driver/startup.h"

#include "driver/texts.h"
#include "probe/windows_name.h"
#include "runtime/fpu.h"
#include "runtime/messages.h"
#include "runtime/separators.h"
#include "runtime/termination.h"
#include "workloads/arrays.h"

namespace zaveredo {

void StartUp() {
  ResetFpu();
  LoadMessages();
  InstallErrorMachinery();
  LoadDriverTexts();
  ReadSeparators();
  FillPlatformVersion();
  // The termination sequence releases the arrays first, on the normal end and after an error.
  SetProgramFinalization(ReleaseAllArrays);
}

}  // namespace zaveredo
