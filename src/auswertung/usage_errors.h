// Every rule of a correct call and its German message. They are decided at the two moments the
// program can decide them: the arguments and the report's target before anything is read, the
// machine numbers once the files are read and their machines counted.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "auswertung/options.h"

namespace CLI {
class App;
class ParseError;
}  // namespace CLI

namespace zaveredo::auswertung {

// The options as typed, before they are checked.
struct Arguments {
  std::vector<std::string> files;
  std::string format;
  std::string output;
  std::string baseline;
  std::string compared;
  bool types = false;
};

// "zaveredo2-auswertung: <message>" and the short usage, for standard error.
std::string UsageError(const std::string& message);

// Before reading, in this order: what the command-line parser found wrong; the arguments as
// options, or the message of the first that is wrong; the message when the report would land
// on a file that is read (empty otherwise).
std::string ParserMessage(const CLI::ParseError& error, const CLI::App& app);
std::variant<Options, std::string> CheckArguments(const Arguments& arguments);
std::string OutputOntoAnInput(const Options& options);

// After reading: the message when --basis or --vergleich names none of the `machineCount`
// machines, or --vergleich names the baseline; empty otherwise.
std::string MachineNumberError(const Options& options, int machineCount);

}  // namespace zaveredo::auswertung
