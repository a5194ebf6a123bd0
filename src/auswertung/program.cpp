#include "auswertung/program.h"

#include <fstream>

#include "auswertung/command_line.h"
#include "auswertung/formats/render.h"
#include "auswertung/usage_errors.h"

namespace zaveredo::auswertung {
namespace {

// The report onto standard output or the -o file; false when a write failed, so that a full
// disk or a closed pipe never ends as a success.
bool WriteOut(const Report& report, const Options& options, const NumberStyle& style,
              std::ostream& out) {
  if (options.output.empty()) {
    WriteReport(report, options.format, style, out);
    out.flush();
    return static_cast<bool>(out);
  }
  std::ofstream file(options.output, std::ios::binary | std::ios::trunc);
  if (file) WriteReport(report, options.format, style, file);
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
  if (!WriteOut(report, options, style, out)) {
    // One piece, so that the message is not itself split across failing writes.
    err << "zaveredo2-auswertung: " +
               (options.output.empty() ? std::string("Die Ausgabe kann nicht geschrieben werden.")
                                       : options.output + ": Kann nicht geschrieben werden.") +
               "\n";
    return kExitFileError;
  }
  return allRead ? kExitAllRead : kExitFileError;
}

}  // namespace zaveredo::auswertung
