#include "auswertung/command_line.h"

#include <CLI/CLI.hpp>

#include "auswertung/format_names.h"
#include "auswertung/usage_errors.h"

namespace zaveredo::auswertung {
namespace {

constexpr const char* kName = "zaveredo2-auswertung";

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

void Describe(CLI::App& app, Arguments& raw) {
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

CommandLine Failed(const std::string& message) {
  CommandLine line;
  line.exitCode = kExitUsage;
  line.error = UsageError(message);
  return line;
}

}  // namespace

CommandLine ParseCommandLine(int argc, const char* const* argv) {
  CLI::App app("Vergleicht die Ergebnisse von zaveredo2 aus vielen Ergebnisdateien.", kName);
  // Options begin with "-" or "--" only. On Windows CLI11 would also take "/x" as an option,
  // but "/daten/zaveredo2.txt" is a file there too (on the current drive).
  app.allow_windows_style_options(false);
  GermanLabels(app);
  Arguments raw;
  raw.format = kFormatNames.front().name;
  Describe(app, raw);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    CommandLine line;
    line.output = app.help();
    return line;
  } catch (const CLI::ParseError& error) {
    return Failed(ParserMessage(error, app));
  }
  std::variant<Options, std::string> checked = CheckArguments(raw);
  if (auto* message = std::get_if<std::string>(&checked)) return Failed(*message);
  CommandLine line;
  line.options = std::get<Options>(std::move(checked));
  return line;
}

}  // namespace zaveredo::auswertung
