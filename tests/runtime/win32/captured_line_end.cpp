#include "runtime/captured_line_end.h"

namespace zaveredo::testing {

// GoogleTest reads a death test's captured standard error back through a text-mode stream.
const char* CapturedLineEnd() {
  return "\n";
}

}  // namespace zaveredo::testing
