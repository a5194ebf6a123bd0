// The bytes of one file named on the command line ("-" is standard input), read, never written.
#pragma once

#include <string>

namespace zaveredo::auswertung {

struct InputFile {
  std::string bytes;
  std::string error;  // German reason; empty when the file was read
};

InputFile ReadInputFile(const std::string& name);

}  // namespace zaveredo::auswertung
