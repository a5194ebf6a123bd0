#include "auswertung/read/record_lines.h"

#include <cstring>

namespace zaveredo::auswertung {

void RecordLines::Emit(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (!line.empty()) line_(line);
}

void RecordLines::Add(std::string_view bytes) {
  while (!bytes.empty()) {
    const void* lineBreak = std::memchr(bytes.data(), '\n', bytes.size());
    std::size_t end =
        lineBreak == nullptr
            ? bytes.size()
            : static_cast<std::size_t>(static_cast<const char*>(lineBreak) - bytes.data());
    const void* endOfText = std::memchr(bytes.data(), '\x1A', end);
    if (endOfText != nullptr) {
      end = static_cast<std::size_t>(static_cast<const char*>(endOfText) - bytes.data());
    } else if (lineBreak == nullptr) {
      open_.append(bytes);
      return;
    }
    if (open_.empty()) {
      Emit(bytes.substr(0, end));
    } else {
      open_.append(bytes.substr(0, end));
      Emit(open_);
      open_.clear();
    }
    if (endOfText != nullptr) endOfText_();
    bytes.remove_prefix(end + 1);
  }
}

void RecordLines::Finish() {
  Emit(open_);
  open_.clear();
}

std::vector<std::string_view> SplitRecordLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  bool ended = false;
  RecordLines reader(
      [&](std::string_view line) {
        if (!ended) lines.push_back(line);
      },
      [&] { ended = true; });
  // Whole lines only: the reader's lines are then views into `bytes`, and the last one, which
  // the reader would keep in its own buffer, is cut here.
  const std::size_t lastBreak = bytes.rfind('\n');
  const std::size_t whole = lastBreak == std::string_view::npos ? 0 : lastBreak + 1;
  reader.Add(bytes.substr(0, whole));
  std::string_view last = bytes.substr(whole);
  last = last.substr(0, last.find('\x1A'));
  if (!last.empty() && last.back() == '\r') last.remove_suffix(1);
  if (!ended && !last.empty()) lines.push_back(last);
  return lines;
}

}  // namespace zaveredo::auswertung
