#include "runtime/errors/messages.h"

#include <array>
#include <iterator>

#include "platform/codepage.h"

namespace zaveredo {
namespace {

constexpr const char* kUtf8Texts[] = {
    "Zugriffsverletzung bei Adresse %p. %s von Adresse %p",
    "Lesen",
    "Schreiben",
    "Exception %s in Modul %s bei %p.\r\n%s%s\r\n",
};
static_assert(std::size(kUtf8Texts) == static_cast<std::size_t>(MessageId::kCount),
              "one text per id");

struct IoText {
  std::int32_t code;
  const char* utf8;
};
constexpr IoText kIoTexts[] = {
    {2, "Datei nicht gefunden"},
    {3, "Ungültiger Dateiname"},
    {4, "Zu viele geöffnete Dateien"},
    {5, "Dateizugriff verweigert"},
    {100, "Versuch hinter dem Dateiende zu lesen"},
    {101, "Zu wenig Speicherplatz"},
    {106, "Ungültige numerische Eingabe"},
};

struct Loaded {
  std::array<std::string, kErrorKindCount> kinds;
  std::array<std::string, std::size(kUtf8Texts)> texts;
  std::array<std::string, std::size(kIoTexts)> io;
};

Loaded& Texts() {
  static Loaded texts;
  return texts;
}

bool loaded = false;

}  // namespace

void LoadMessages() {
  if (loaded) return;
  Loaded& t = Texts();
  for (std::size_t i = 0; i < kErrorKindCount; ++i)
    t.kinds[i] = platform::Utf8ToAnsi(RowOf(static_cast<ErrorKind>(i)).message);
  for (std::size_t i = 0; i < t.texts.size(); ++i) t.texts[i] = platform::Utf8ToAnsi(kUtf8Texts[i]);
  for (std::size_t i = 0; i < t.io.size(); ++i) t.io[i] = platform::Utf8ToAnsi(kIoTexts[i].utf8);
  loaded = true;
}

const std::string& KindMessage(ErrorKind kind) {
  LoadMessages();
  return Texts().kinds[static_cast<std::size_t>(kind)];
}

const std::string& MessageText(MessageId id) {
  LoadMessages();
  return Texts().texts[static_cast<std::size_t>(id)];
}

const std::string& IoMessage(std::int32_t code) {
  LoadMessages();
  for (std::size_t i = 0; i < std::size(kIoTexts); ++i)
    if (kIoTexts[i].code == code) return Texts().io[i];
  return KindMessage(ErrorKind::EInOutError);
}

}  // namespace zaveredo
