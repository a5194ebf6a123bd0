// libFuzzer target for the report tool: one input holds several results files, separated by
// the bytes 0xFF 0x00 0xFF (which no results file holds); every view is built and rendered in
// every format, and the JSON must parse.
#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "auswertung/formats/render.h"
#include "auswertung/model/collection.h"
#include "auswertung/model/report.h"
#include "auswertung/usage_errors.h"

namespace zaveredo::auswertung {
namespace {

constexpr std::string_view kFileSeparator("\xFF\x00\xFF", 3);

Collection ReadFiles(std::string_view input) {
  Collection collection;
  int number = 0;
  for (;;) {
    const std::size_t end = input.find(kFileSeparator);
    AddFileRecords(collection, "datei" + std::to_string(++number) + ".txt", input.substr(0, end));
    if (end == std::string_view::npos) break;
    input.remove_prefix(end + kFileSeparator.size());
  }
  PlaceAmbiguousRecords(collection);
  return collection;
}

void RenderEveryFormat(const Report& report, const NumberStyle& style) {
  for (Format format : {Format::kText, Format::kCsv, Format::kMarkdown, Format::kHtml}) {
    RenderReport(report, format, style);
  }
  // Throws, and so ends the run as a finding, when the text is no JSON.
  (void)nlohmann::json::parse(RenderReport(report, Format::kJson, style));
}

}  // namespace
}  // namespace zaveredo::auswertung

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zaveredo::auswertung;
  const Report grouped =
      GroupedReport(ReadFiles(std::string_view(reinterpret_cast<const char*>(data), size)));
  const auto machineCount = static_cast<int>(grouped.machines.size());
  Options overview, types, versus;
  types.types = true;
  versus.baseline = 2;
  versus.compared = 1;
  const NumberStyle english{".", ","}, german{",", "."};
  for (const Options* options : {&overview, &types, &versus}) {
    if (!MachineNumberError(*options, machineCount).empty()) continue;
    Report report = grouped;
    CompareMachines(report, *options);
    RenderEveryFormat(report, english);
    RenderEveryFormat(report, german);
  }
  return 0;
}
