#include "runtime/messages.h"

#include <array>

#include "platform/codepage.h"

namespace zaveredo {
namespace {

constexpr std::array<const char*, static_cast<int>(MessageId::kCount)> kUtf8Texts = {
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
};

std::array<std::string, kUtf8Texts.size()>& Loaded() {
  static std::array<std::string, kUtf8Texts.size()> texts;
  return texts;
}

bool loaded = false;

}  // namespace

void LoadMessages() {
  if (loaded) return;
  for (std::size_t i = 0; i < kUtf8Texts.size(); ++i) Loaded()[i] = platform::Utf8ToAnsi(kUtf8Texts[i]);
  loaded = true;
}

const std::string& MessageText(MessageId id) {
  LoadMessages();
  return Loaded()[static_cast<int>(id)];
}

}  // namespace zaveredo
