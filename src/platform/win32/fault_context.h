// Reading a Windows exception as a fault, and resuming the faulting thread somewhere else.
#pragma once

#include "platform/faults.h"
#include "platform/win32/windows_api.h"
#include "x87/control_word.h"

namespace zaveredo::platform::win32 {

// The fault the exception describes. An x87 fault is reported at the instruction that caused
// it, which the unit saved, rather than at the later x87 instruction that delivered it.
FaultInfo DescribeFault(const EXCEPTION_RECORD& record, const CONTEXT& context);

// The x87 control word in force when the exception was raised.
x87::ControlWord FaultControlWord(const CONTEXT& context);

// Rewrites the context so that continuing it calls target() on the given stack, as if called
// from the faulting instruction, with the x87 unit's pending exception flags cleared so they
// cannot fire again. target must not return.
void RedirectContext(CONTEXT* context, void (*target)(), void* stackTop);

}  // namespace zaveredo::platform::win32
