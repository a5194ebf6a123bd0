#include "tests/runtime/errors/captured_line_end.h"

namespace zaveredo::test_support {

const char* CapturedLineEnd() {
  return "\r\n";
}

}  // namespace zaveredo::test_support
