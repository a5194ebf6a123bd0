#include "auswertung/program.h"

#include <fstream>
#include <optional>

#include "auswertung/command_line.h"
#include "auswertung/formats/render.h"
#include "platform/file_identity.h"

namespace zaveredo::auswertung {
namespace {

using platform::FileIdentity;

std::optional<FileIdentity> IdentityOfInput(const std::string& file) {
  return file == "-" ? platform::IdentifyStandardStream(platform::kStdInputHandle)
                     : platform::IdentifyFile(file.c_str());
}

std::string InputName(const std::string& file) {
  return file == "-" ? std::string("die Standardeingabe") : "die gelesene Datei " + file;
}

// The report must never land on a results file it reads: not through -o, nor through standard
// output sent onto one ("r.txt >> r.txt"), whatever name, link or standard input leads there.
// The message for a refusal; empty when the report's target is no input.
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
