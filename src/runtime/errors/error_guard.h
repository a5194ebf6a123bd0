// The one way the program catches errors: the clock-rate measurement runs under a guard.
#pragma once

namespace zaveredo {

// Runs body(context). Returns false when an error left it: a raised Error, a
// failed memory request (std::bad_alloc) or a processor fault; true when it completed. A fault
// does not unwind, so body must own nothing that needs destruction. Afterwards the
// floating-point unit is reset to the run's control word. Guards nest.
bool RunErrorGuarded(void (*body)(void*), void* context);

}  // namespace zaveredo
