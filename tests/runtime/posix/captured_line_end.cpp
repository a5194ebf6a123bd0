#include "runtime/captured_line_end.h"

namespace zaveredo::testing {

const char* CapturedLineEnd() {
  return "\r\n";
}

}  // namespace zaveredo::testing
