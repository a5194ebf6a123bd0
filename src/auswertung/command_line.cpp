#include "auswertung/command_line.h"

#include <CLI/CLI.hpp>

#include "auswertung/format_names.h"

namespace zaveredo::auswertung {
namespace {

constexpr const char* kName = "zaveredo2-auswertung";
constexpr const char* kUsage =
    "Aufruf: zaveredo2-auswertung [OPTIONEN] DATEI...\n"
    "Mehr mit: zaveredo2-auswertung --help\n";

void GermanLabels(CLI::App& app) {
  auto formatter = app.get_formatter();
  formatter->label("Usage", "Aufruf");
  formatter->label("OPTIONS", "OPTIONEN");
  formatter->label("Positionals", "Dateien");
  formatter->label("Options", "Optionen");
  formatter->label("REQUIRED", "(nötig)");
  formatter->label("Excludes", "schließt aus");
  formatter->column_width(24);
}

struct RawOptions {
  std::vector<std::string> files;
  std::string format{kFormatNames.front().name};
  std::string output;
  std::string baseline;
  std::string compared;
  bool types = false;
};

void Describe(CLI::App& app, RawOptions& raw) {
  app.option_defaults()->group("Optionen");
  app.set_help_flag("-h,--help", "Diese Hilfe zeigen und beenden");
  app.add_option("DATEI", raw.files,
                 "Ergebnisdateien (zaveredo2.txt) der Maschinen; - liest die Standardeingabe")
      ->required()
      ->type_name("");
  app.add_option("--format", raw.format, "Ausgabe als " + FormatNameList("oder", true))
      ->type_name("FORMAT");
  app.add_option("-o", raw.output, "Ausgabe in diese Datei statt auf die Standardausgabe")
      ->type_name("DATEI");
  app.add_option("--basis", raw.baseline,
                 "Maschine N als Basis (Vorgabe: die des ersten vollständigen Datensatzes)")
      ->type_name("N");
  auto* compared = app.add_option("--vergleich", raw.compared,
                                  "Vergleich Typ für Typ: Maschine N gegen die Basis")
                       ->type_name("N");
  app.add_flag("--typen", raw.types,
               "Datentypen: jeder Typ im Verhältnis zu double auf derselben Maschine")
      ->excludes(compared);
  app.footer(
      "Die Übersicht (Vorgabe) zeigt je Maschine die Summe der 32 Zeiten und den Index gegen\n"
      "die Basis: das geometrische Mittel von Zeit der Basis / Zeit der Maschine, über 1 ist\n"
      "schneller. Mehrere Läufe einer Maschine gehen mit ihrem Median ein. Die Dateien werden\n"
      "nur gelesen.\n\n"
      "Rückgabewert: 0 alles gelesen, 1 eine Datei war nicht lesbar oder ohne Datensatz,\n"
      "2 falscher Aufruf.");
}

std::optional<int> MachineNumber(const std::string& text) {
  if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  return std::stoi(text);
}

// German words for what the parser found wrong.
std::string Reason(const CLI::ParseError& error, const CLI::App& app) {
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

CommandLine Failed(const std::string& message) {
  CommandLine line;
  line.exitCode = kExitUsage;
  line.error = UsageError(message);
  return line;
}

CommandLine Checked(const RawOptions& raw) {
  Options options;
  options.files = raw.files;
  options.output = raw.output;
  options.types = raw.types;
  const auto format = FormatNamed(raw.format);
  if (!format) {
    return Failed("Unbekanntes Format \"" + raw.format + "\"; möglich sind " +
                  FormatNameList("und", false) + ".");
  }
  options.format = *format;
  for (auto [text, target, name] : {std::tuple{&raw.baseline, &options.baseline, "--basis"},
                                    std::tuple{&raw.compared, &options.compared, "--vergleich"}}) {
    if (text->empty()) continue;
    *target = MachineNumber(*text);
    if (!*target || **target < 1) {
      return Failed(std::string(name) + " erwartet die Nummer einer Maschine, nicht \"" + *text +
                    "\".");
    }
  }
  CommandLine line;
  line.options = std::move(options);
  return line;
}

}  // namespace

std::string UsageError(const std::string& message) {
  return std::string(kName) + ": " + message + "\n" + kUsage;
}

CommandLine ParseCommandLine(int argc, const char* const* argv) {
  CLI::App app("Vergleicht die Ergebnisse von zaveredo2 aus vielen Ergebnisdateien.", kName);
  // Options begin with "-" or "--" only. On Windows CLI11 would also take "/x" as an option,
  // but "/daten/zaveredo2.txt" is a file there too (on the current drive).
  app.allow_windows_style_options(false);
  GermanLabels(app);
  RawOptions raw;
  Describe(app, raw);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    CommandLine line;
    line.output = app.help();
    return line;
  } catch (const CLI::ParseError& error) {
    return Failed(Reason(error, app));
  }
  return Checked(raw);
}

}  // namespace zaveredo::auswertung
