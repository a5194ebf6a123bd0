// The command line read with German help; what is wrong with it, usage_errors.h says.
#pragma once

#include <optional>
#include <string>

#include "auswertung/options.h"

namespace zaveredo::auswertung {

inline constexpr int kExitAllRead = 0;
inline constexpr int kExitFileError = 1;
inline constexpr int kExitUsage = 2;

struct CommandLine {
  std::optional<Options> options;  // none: print and end with `exitCode`
  int exitCode = kExitAllRead;
  std::string output;  // the help, for standard output
  std::string error;   // a usage error with the usage, for standard error
};

// Checks the arguments alone; the report's target and the machine numbers are checked later.
CommandLine ParseCommandLine(int argc, const char* const* argv);

}  // namespace zaveredo::auswertung
