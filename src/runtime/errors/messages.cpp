#include "runtime/errors/messages.h"

#include <array>
#include <iterator>

#include "runtime/format/ansi_texts.h"

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

// One table: the kinds' messages, the texts of the ids, the I/O errors' texts.
constexpr std::size_t kFirstText = kErrorKindCount;
constexpr std::size_t kFirstIoText = kFirstText + std::size(kUtf8Texts);
constexpr auto kAllTexts = [] {
  std::array<const char*, kFirstIoText + std::size(kIoTexts)> all{};
  for (std::size_t i = 0; i < kErrorKindCount; ++i)
    all[i] = RowOf(static_cast<ErrorKind>(i)).message;
  for (std::size_t i = 0; i < std::size(kUtf8Texts); ++i) all[kFirstText + i] = kUtf8Texts[i];
  for (std::size_t i = 0; i < std::size(kIoTexts); ++i) all[kFirstIoText + i] = kIoTexts[i].utf8;
  return all;
}();

constinit AnsiTexts texts(kAllTexts);

}  // namespace

void LoadMessages() {
  texts.Load();
}

const std::string& KindMessage(ErrorKind kind) {
  return texts[static_cast<std::size_t>(kind)];
}

const std::string& MessageText(MessageId id) {
  return texts[kFirstText + static_cast<std::size_t>(id)];
}

const std::string& IoMessage(std::int32_t code) {
  for (std::size_t i = 0; i < std::size(kIoTexts); ++i)
    if (kIoTexts[i].code == code) return texts[kFirstIoText + i];
  return KindMessage(ErrorKind::EInOutError);
}

}  // namespace zaveredo
