#include "auswertung/program.h"

#include <fstream>

#include "auswertung/command_line.h"
#include "auswertung/formats/render.h"
#include "auswertung/usage_errors.h"

namespace zaveredo::auswertung {
namespace {

bool WriteFile(const std::string& name, const std::string& text) {
  std::ofstream file(name, std::ios::binary | std::ios::trunc);
  file.write(text.data(), static_cast<std::streamsize>(text.size()));
  file.close();
  return !file.fail();
}

}  // namespace

int RunAuswertung(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  const CommandLine line = ParseCommandLine(argc, argv);
  out << line.output;
  err << line.error;
  if (!line.options) return line.exitCode;
  const Options& options = *line.options;
  if (const std::string refused = OutputOntoAnInput(options); !refused.empty()) {
    err << UsageError(refused);
    return kExitUsage;
  }
  const NumberStyle style = ReaderNumberStyle();
  Collection collection = ReadCollection(options.files);
  for (const FileError& error : collection.errors) {
    err << "zaveredo2-auswertung: " << error.file << ": " << error.reason << "\n";
  }
  const bool allRead = collection.errors.empty();
  Report report = GroupedReport(std::move(collection));
  const auto machineCount = static_cast<int>(report.machines.size());
  if (const std::string wrong = MachineNumberError(options, machineCount); !wrong.empty()) {
    err << UsageError(wrong);
    return kExitUsage;
  }
  CompareMachines(report, options);
  const std::string text = RenderReport(report, options.format, style);
  if (options.output.empty()) {
    out << text << std::flush;
    if (!out) {
      err << "zaveredo2-auswertung: Die Ausgabe kann nicht geschrieben werden.\n";
      return kExitFileError;
    }
  } else if (!WriteFile(options.output, text)) {
    err << "zaveredo2-auswertung: " << options.output << ": Kann nicht geschrieben werden.\n";
    return kExitFileError;
  }
  return allRead ? kExitAllRead : kExitFileError;
}

}  // namespace zaveredo::auswertung
