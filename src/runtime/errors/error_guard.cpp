#include "runtime/errors/error_guard.h"

#include <new>

#include "platform/faults.h"
#include "runtime/errors/errors.h"
#include "x87/control_word.h"

namespace zaveredo {
namespace {

struct GuardedCall {
  void (*body)(void*);
  void* context;
  bool raised;
};

void RunCatching(void* call) {
  auto* c = static_cast<GuardedCall*>(call);
  try {
    c->body(c->context);
  } catch (const Error&) {
    c->raised = true;
  } catch (const std::bad_alloc&) {
    c->raised = true;
  }
}

}  // namespace

bool RunErrorGuarded(void (*body)(void*), void* context) {
  GuardedCall call{body, context, false};
  platform::FaultInfo fault;
  if (!platform::RunFaultGuarded(&RunCatching, &call, &fault)) {
    x87::ResetFpu();
    return false;
  }
  return !call.raised;
}

}  // namespace zaveredo
