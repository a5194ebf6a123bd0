// The error a processor fault becomes: its kind by the fault's exception code (error_kinds.h).
#pragma once

#include "platform/faults.h"
#include "runtime/errors/errors.h"

namespace zaveredo {

// At the fault's address.
Error ErrorOfFault(const platform::FaultInfo& fault);

}  // namespace zaveredo
