#include "runtime/errors/messages.h"

#include <array>
#include <iterator>

#include "platform/codepage.h"

namespace zaveredo {
namespace {

constexpr const char* kUtf8Texts[] = {
    "Fehler bei Bereichsprüfung",
    "Integerüberlauf",
    "Zu wenig Arbeitsspeicher",
    "Ungültige Zeigeroperation",
    "Gleitkommaüberlauf",
    "Ungültige Gleitkommaoperation",
    "Gleitkommadivision durch Null",
    "Gleitkommaunterlauf",
    "Division durch Null",
    "Stack-Überlauf",
    "Privilegierte Anweisung",
    "Strg+C gedrückt",
    "Ungültiges Argument zum Codieren der Uhrzeit",
    "Datei nicht gefunden",
    "Ungültiger Dateiname",
    "Zu viele geöffnete Dateien",
    "Dateizugriff verweigert",
    "Versuch hinter dem Dateiende zu lesen",
    "Zu wenig Speicherplatz",
    "Ungültige numerische Eingabe",
    "E/A-Fehler %d",
    "Zugriffsverletzung bei Adresse %p in Modul '%s'. %s von Adresse %p",
    "Zugriffsverletzung bei Adresse %p. %s von Adresse %p",
    "Lesen",
    "Schreiben",
    "Externe Exception %x",
    "Exception %s in Modul %s bei %p.\r\n%s%s\r\n",
};
constexpr std::size_t kTextCount = std::size(kUtf8Texts);
static_assert(kTextCount == static_cast<std::size_t>(MessageId::kCount), "one text per id");

std::array<std::string, kTextCount>& Loaded() {
  static std::array<std::string, kTextCount> texts;
  return texts;
}

bool loaded = false;

}  // namespace

void LoadMessages() {
  if (loaded) return;
  for (std::size_t i = 0; i < kTextCount; ++i) Loaded()[i] = platform::Utf8ToAnsi(kUtf8Texts[i]);
  loaded = true;
}

const std::string& MessageText(MessageId id) {
  LoadMessages();
  return Loaded()[static_cast<int>(id)];
}

}  // namespace zaveredo
