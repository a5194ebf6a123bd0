// The output formats by the names the command line knows them: the one table of them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "auswertung/options.h"

namespace zaveredo::auswertung {

struct FormatName {
  Format format;
  std::string_view name;
};

// In the order the help lists them; the first is the default.
inline constexpr std::array<FormatName, 5> kFormatNames = {{{Format::kText, "text"},
                                                            {Format::kCsv, "csv"},
                                                            {Format::kJson, "json"},
                                                            {Format::kMarkdown, "markdown"},
                                                            {Format::kHtml, "html"}}};

std::optional<Format> FormatNamed(std::string_view name);

// "text, csv, json, markdown oder html": the names, the German word before the last, and with
// `markDefault` "(Vorgabe)" behind the first.
std::string FormatNameList(std::string_view lastJoin, bool markDefault);

}  // namespace zaveredo::auswertung
