#include "auswertung/formats/json_record.h"

#include "auswertung/formats/seconds_text.h"
#include "auswertung/model/phases.h"

namespace zaveredo::auswertung {
namespace {

const char* StateName(RecordState state) {
  switch (state) {
    case RecordState::kComplete:
      return "complete";
    case RecordState::kIncomplete:
      return "incomplete";
    case RecordState::kUnreadable:
      return "unreadable";
    case RecordState::kForeign:
      break;
  }
  return "foreign";
}

void AppendOptional(std::string& out, const std::optional<long long>& number) {
  if (number) {
    AppendWholeNumber(out, *number);
  } else {
    out += "null";
  }
}

void AppendNotes(std::string& out, const Record& record) {
  out += '[';
  bool first = true;
  for (const std::string& note : record.notes) {
    if (!first) out += ',';
    AppendJsonString(out, note);
    first = false;
  }
  if (!record.reason.empty()) {
    if (!first) out += ',';
    AppendJsonString(out, record.reason);
  }
  out += ']';
}

void AppendTimes(std::string& out, const Record& record) {
  out += '{';
  const int count = static_cast<int>(record.times.size());
  for (int phase = 0; phase < count; ++phase) {
    if (IsFillPhase(phase)) {
      if (phase > 0) out += "},";
      out += '"';
      out += TypeName(TypeOfPhase(phase));
      out += "\":{\"fill\":";
    } else {
      out += ",\"sort\":";
    }
    AppendSeconds(out, record.times[static_cast<std::size_t>(phase)], Decimals::kShortest);
  }
  out += count > 0 ? "}}" : "}";
}

void AppendField(std::string& out, const char* name, const std::string& text) {
  out += ",\"";
  out += name;
  out += "\":";
  AppendJsonString(out, text);
}

}  // namespace

void AppendJsonString(std::string& out, const std::string& text) {
  out += '"';
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      constexpr char kHex[] = "0123456789abcdef";
      out += "\\u00";
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
    } else {
      out += c;
    }
  }
  out += '"';
}

void AppendRecordJson(std::string& out, const Record& record) {
  out += "{\"number\":";
  AppendWholeNumber(out, record.number);
  AppendField(out, "file", *record.file);
  out += record.state == RecordState::kComplete ? ",\"complete\":true" : ",\"complete\":false";
  out += ",\"state\":\"";
  out += StateName(record.state);
  out += "\",\"notes\":";
  AppendNotes(out, record);
  const MachineDescription& d = *record.description;
  AppendField(out, "vendor", d.vendor);
  AppendField(out, "processor", d.processor);
  out += ",\"mhz\":";
  AppendOptional(out, d.mhz);
  out += ",\"processors\":";
  AppendOptional(out, d.processors);
  AppendField(out, "os", d.os);
  AppendField(out, "initials", d.initials);
  out += ",\"times\":";
  AppendTimes(out, record);
  out += '}';
}

}  // namespace zaveredo::auswertung
