// The whole program at an element count given as the only argument, so end-to-end tests can
// walk the complete run in a fraction of a second.
#include <cstdlib>

#include "driver/program.h"

int main(int argc, char** argv) {
  long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 1000;
  return zaveredo::RunProgram(static_cast<std::int32_t>(count));
}
