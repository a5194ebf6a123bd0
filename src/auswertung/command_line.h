// The command line read with German help and German usage errors.
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

CommandLine ParseCommandLine(int argc, const char* const* argv);

// "zaveredo2-auswertung: <message>" and the short usage, for standard error.
std::string UsageError(const std::string& message);

}  // namespace zaveredo::auswertung
