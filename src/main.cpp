// The benchmark: reads no arguments and always measures 10,000,000 elements.
#include "driver/program.h"

int main() {
  return zaveredo::RunProgram(zaveredo::kBenchmarkElementCount);
}
