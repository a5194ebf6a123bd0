#include "tests/runtime/errors/captured_line_end.h"

namespace zaveredo::test_support {

// GoogleTest reads a death test's captured standard error back through a text-mode stream.
const char* CapturedLineEnd() {
  return "\n";
}

}  // namespace zaveredo::test_support
