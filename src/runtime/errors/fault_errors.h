// The error a processor fault becomes: its kind and message by the fault's exception code.
#pragma once

#include "platform/faults.h"
#include "runtime/errors/errors.h"

namespace zaveredo {

// Makes the error for the fault on the caller's stack, with the fault's address, and hands it
// to use. Nothing is thrown: a fault does not unwind.
void WithFaultError(const platform::FaultInfo& fault,
                    void (*use)(const Exception& error, void* context), void* context);

}  // namespace zaveredo
