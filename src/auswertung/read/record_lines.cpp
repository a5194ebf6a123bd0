#include "auswertung/read/record_lines.h"

namespace zaveredo::auswertung {

std::vector<std::string_view> SplitRecordLines(std::string_view bytes) {
  const std::size_t endOfText = bytes.find('\x1A');
  if (endOfText != std::string_view::npos) bytes = bytes.substr(0, endOfText);
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty()) lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

}  // namespace zaveredo::auswertung
