#include "driver/texts.h"

#include <algorithm>
#include <array>

#include "runtime/format/ansi_texts.h"

namespace zaveredo {
namespace {

constexpr std::array<const char*, static_cast<int>(TextId::kCount)> kUtf8Texts = {
    "Benchmarktool zum Vergleich von Datentypen und Prozessoren unter Windows(R)",
    "Geschrieben von der Arbeitsgruppe Zaveredo, Ausgabe 2",
    "Nutzung auf eigene Gefahr, unveränderte Weitergabe ist ausdrücklich erlaubt.",
    "Hersteller des Prozessors  : ",
    "Name des Prozessors        : ",
    "Takt des Prozessors in MHz : ",
    "Anzahl Prozessoren         : ",
    "Betriebssystem             : ",
    "Ihr Kürzel (max 8 Zeichen) : ",
    "Die Zeiten sowie ihre Angaben werden unter \"zaveredo2.txt\" gespeichert.",
    "Zur statistischen Auswertung bitte an ergebnisse@zaveredo.example.org mailen. Danke!",
    "Zum Aufwärmen und Speicher freiräumen 1x",
    " sek",
    " | ",
    " Sortieren :  ",
    "Speicherort : ",
    "(gelöscht)",
    "ENTER zum Beenden",
};
// A missing text would leave its place empty, a null pointer.
static_assert(std::find(kUtf8Texts.begin(), kUtf8Texts.end(), nullptr) == kUtf8Texts.end(),
              "one text per id");

constinit AnsiTexts texts(kUtf8Texts);

}  // namespace

void LoadDriverTexts() {
  texts.Load();
}

const std::string& DriverText(TextId id) {
  return texts[static_cast<std::size_t>(id)];
}

}  // namespace zaveredo
