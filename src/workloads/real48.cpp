#include "workloads/real48.h"

#include "runtime/errors/errors.h"

namespace zaveredo::real48 {

void RaiseOverflow() {
  RaiseRunError(ErrorKind::EOverflow, __builtin_return_address(0));
}

}  // namespace zaveredo::real48
