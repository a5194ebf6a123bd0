#include "auswertung/program.h"

#include <filesystem>
#include <fstream>

#include "auswertung/command_line.h"
#include "auswertung/render.h"

namespace zaveredo::auswertung {
namespace {

// The report must never land on a results file it reads.
bool IsAnInput(const Options& options) {
  std::error_code code;
  for (const std::string& file : options.files) {
    if (file != "-" && std::filesystem::equivalent(file, options.output, code)) return true;
  }
  return false;
}

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
  if (!options.output.empty() && IsAnInput(options)) {
    err << UsageError("-o " + options.output +
                      " ist eine der gelesenen Dateien und bleibt, wie "
                      "sie ist.");
    return kExitUsage;
  }
  const NumberStyle style = ReaderNumberStyle();
  Collection collection = ReadCollection(options.files);
  for (const FileError& error : collection.errors) {
    err << "zaveredo2-auswertung: " << error.file << ": " << error.reason << "\n";
  }
  const bool allRead = collection.errors.empty();
  ReportOrError built = BuildReport(std::move(collection), options);
  if (!built.usageError.empty()) {
    err << UsageError(built.usageError);
    return kExitUsage;
  }
  const std::string text = RenderReport(built.report, options.format, style);
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
