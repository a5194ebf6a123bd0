// The line end of a death test's standard error as the test framework hands it over. The
// bytes themselves are CR LF everywhere; where the framework reads the captured text back in
// text mode the CR is gone, and the end-to-end scripts check the bytes instead.
#pragma once

namespace zaveredo::test_support {

const char* CapturedLineEnd();

}  // namespace zaveredo::test_support
