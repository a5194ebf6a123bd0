// What the command line asks for.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zaveredo::auswertung {

enum class Format { kText, kCsv, kJson, kMarkdown, kHtml };

struct Options {
  std::vector<std::string> files;
  Format format = Format::kText;
  std::string output;           // empty: standard output
  std::optional<int> baseline;  // --basis N
  std::optional<int> compared;  // --vergleich N
  bool types = false;           // --typen
};

}  // namespace zaveredo::auswertung
