#include "auswertung/formats/text_table.h"
#include "auswertung/views/text_views.h"

namespace zaveredo::auswertung {
namespace {

std::string RecordName(const Record& record) {
  return "  Nr. " + std::to_string(record.number) + " (" + *record.file + ")";
}

std::string Section(const std::string& title, const std::string& lines) {
  return lines.empty() ? "" : "\n" + title + "\n" + lines;
}

// "9 von 32 Phasen, zuletzt real48 fuellen"
std::string PhasesHeld(const Record& record) {
  std::string text = std::to_string(record.times.size()) + " von 32 Phasen";
  if (!record.times.empty()) text += ", zuletzt " + PhaseLabel(int(record.times.size()) - 1);
  return text;
}

// A text of a record reaches a terminal: its control characters (C0, DEL and C1) are shown as
// "?", so that none moves the cursor, clears the screen or changes the colours. The report's
// own line ends stay.
std::string ControlsShown(std::string text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const bool c1 = byte == 0xC2 && i + 1 < text.size() &&
                    static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                    static_cast<unsigned char>(text[i + 1]) <= 0x9F;
    if (c1) ++i;
    out += (byte < 0x20 && byte != '\n') || byte == 0x7F || c1 ? '?' : text[i];
  }
  return out;
}

}  // namespace

std::string RecordListsText(const Report& report) {
  std::string incomplete, unreadable, notes;
  for (const Record& record : report.collection.records) {
    switch (record.state) {
      case RecordState::kIncomplete:
        incomplete += WrappedText(RecordName(record) + ": " + record.description->initials + " " +
                                      record.description->processor + ", " + PhasesHeld(record),
                                  kLineWidth, 4);
        break;
      case RecordState::kUnreadable:
      case RecordState::kForeign:
        unreadable += WrappedText(RecordName(record) + ": " + record.reason, kLineWidth, 4);
        break;
      case RecordState::kComplete:
        break;
    }
    for (const std::string& note : record.notes) {
      notes += WrappedText(RecordName(record) + ": " + note, kLineWidth, 4);
    }
  }
  return Section("Unvollständige Datensätze (nehmen an keinem Vergleich teil):", incomplete) +
         Section("Unlesbare Datensätze:", unreadable) + Section("Hinweise zu Datensätzen:", notes);
}

std::string TextReport(const Report& report, const NumberStyle& style) {
  std::string out;
  if (report.machines.empty()) {
    out = "Kein vollständiger Datensatz, also kein Vergleich.\n";
  } else if (report.types) {
    out = TypesText(report, style);
  } else {
    if (!report.comparisonAsked) out = OverviewText(report, style);
    if (report.compared) out += (out.empty() ? "" : "\n") + ComparisonText(report, style);
    const std::string spread = SpreadText(report, style);
    if (!spread.empty()) out += "\n" + spread;
  }
  return ControlsShown(out + RecordListsText(report));
}

}  // namespace zaveredo::auswertung
