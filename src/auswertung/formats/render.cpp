#include "auswertung/formats/render.h"

#include <sstream>

#include "auswertung/formats/formats.h"
#include "auswertung/formats/text_format.h"

namespace zaveredo::auswertung {
namespace {

// The formats for people show a few hundred lines at most and are made whole first.
std::string PeopleReport(const Report& report, Format format, const NumberStyle& style) {
  switch (format) {
    case Format::kMarkdown:
      return MarkdownReport(report, style);
    case Format::kHtml:
      return HtmlReport(report, style);
    default:
      return TextReport(report, style);
  }
}

}  // namespace

void WriteReport(const Report& report, Format format, const NumberStyle& style, std::ostream& out) {
  switch (format) {
    case Format::kCsv:
      WriteCsvReport(report, out);
      return;
    case Format::kJson:
      WriteJsonReport(report, out);
      return;
    case Format::kText:
    case Format::kMarkdown:
    case Format::kHtml:
      break;
  }
  const std::string text = PeopleReport(report, format, style);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

std::string RenderReport(const Report& report, Format format, const NumberStyle& style) {
  std::ostringstream out;
  WriteReport(report, format, style, out);
  return std::move(out).str();
}

}  // namespace zaveredo::auswertung
