#include "auswertung/usage_errors.h"

#include <CLI/CLI.hpp>
#include <optional>
#include <tuple>

#include "auswertung/format_names.h"
#include "platform/file_identity.h"

namespace zaveredo::auswertung {
namespace {

using platform::FileIdentity;

constexpr const char* kUsage =
    "Aufruf: zaveredo2-auswertung [OPTIONEN] DATEI...\n"
    "Mehr mit: zaveredo2-auswertung --help\n";

std::optional<int> MachineNumber(const std::string& text) {
  if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  return std::stoi(text);
}

std::optional<FileIdentity> IdentityOfInput(const std::string& file) {
  return file == "-" ? platform::IdentifyStandardStream(platform::kStdInputHandle)
                     : platform::IdentifyFile(file.c_str());
}

std::string InputName(const std::string& file) {
  return file == "-" ? std::string("die Standardeingabe") : "die gelesene Datei " + file;
}

std::string NumberBeyondMachines(const char* option, std::optional<int> number, int count) {
  if (!number || (*number >= 1 && *number <= count)) return "";
  return std::string(option) + " " + std::to_string(*number) + ": Es gibt " +
         (count == 1 ? "nur die Maschine 1."
                     : "nur die Maschinen 1 bis " + std::to_string(count) + ".");
}

}  // namespace

std::string UsageError(const std::string& message) {
  return "zaveredo2-auswertung: " + message + "\n" + kUsage;
}

std::string ParserMessage(const CLI::ParseError& error, const CLI::App& app) {
  if (dynamic_cast<const CLI::RequiredError*>(&error)) return "Keine Datei angegeben.";
  if (dynamic_cast<const CLI::ExtrasError*>(&error)) {
    std::string names;
    for (const std::string& arg : app.remaining()) names += " " + arg;
    return "Unbekannte Argumente:" + names;
  }
  if (dynamic_cast<const CLI::ExcludesError*>(&error)) {
    return "--typen und --vergleich schließen einander aus.";
  }
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&error)) {
    // The same mismatch stands for a value given twice and for a value missing.
    for (const CLI::Option* option : app.get_options()) {
      if (option->count() > 1) return option->get_name() + " ist mehrfach angegeben.";
    }
    return "Einer Option fehlt ihr Wert.";
  }
  return "Ungültiger Aufruf.";
}

std::variant<Options, std::string> CheckArguments(const Arguments& arguments) {
  Options options;
  options.files = arguments.files;
  options.output = arguments.output;
  options.types = arguments.types;
  const auto format = FormatNamed(arguments.format);
  if (!format) {
    return "Unbekanntes Format \"" + arguments.format + "\"; möglich sind " +
           FormatNameList("und", false) + ".";
  }
  options.format = *format;
  for (auto [text, target, name] :
       {std::tuple{&arguments.baseline, &options.baseline, "--basis"},
        std::tuple{&arguments.compared, &options.compared, "--vergleich"}}) {
    if (text->empty()) continue;
    *target = MachineNumber(*text);
    if (!*target || **target < 1) {
      return std::string(name) + " erwartet die Nummer einer Maschine, nicht \"" + *text + "\".";
    }
  }
  return options;
}

// The report must never land on a results file it reads: not through -o, nor through standard
// output sent onto one ("r.txt >> r.txt"), whatever name, link or standard input leads there.
std::string OutputOntoAnInput(const Options& options) {
  const std::optional<FileIdentity> target =
      options.output.empty() ? platform::IdentifyStandardStream(platform::kStdOutputHandle)
                             : platform::IdentifyFile(options.output.c_str());
  if (!target) return "";
  for (const std::string& file : options.files) {
    const std::optional<FileIdentity> input = IdentityOfInput(file);
    if (!input || !platform::MayBeSameFile(*input, *target)) continue;
    return (options.output.empty() ? std::string("Die Standardausgabe") : "-o " + options.output) +
           " ist " + InputName(file) + " und bleibt, wie sie ist.";
  }
  return "";
}

std::string MachineNumberError(const Options& options, int machineCount) {
  std::string message = NumberBeyondMachines("--basis", options.baseline, machineCount);
  if (message.empty()) {
    message = NumberBeyondMachines("--vergleich", options.compared, machineCount);
  }
  // Without machines there is no baseline to compare with.
  if (!message.empty() || machineCount == 0) return message;
  const int baseline = options.baseline.value_or(1);
  if (options.compared == baseline) {
    return "--vergleich " + std::to_string(baseline) +
           ": Das ist die Basis; eine andere wählt --basis.";
  }
  return "";
}

}  // namespace zaveredo::auswertung
