// The error a processor fault becomes: its kind by the fault's exception code (error_kinds.h).
#pragma once

#include "platform/faults.h"
#include "runtime/errors/errors.h"

namespace zaveredo {

// At the fault's address. Allocates nothing once the messages are loaded (start-up), so a
// fault handler can use it.
Error ErrorOfFault(const platform::FaultInfo& fault);

}  // namespace zaveredo
