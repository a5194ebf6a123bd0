#include "auswertung/formats/render.h"

#include "auswertung/formats/formats.h"
#include "auswertung/formats/text_format.h"

namespace zaveredo::auswertung {

std::string RenderReport(const Report& report, Format format, const NumberStyle& style) {
  switch (format) {
    case Format::kCsv:
      return CsvReport(report);
    case Format::kJson:
      return JsonReport(report);
    case Format::kMarkdown:
      return MarkdownReport(report, style);
    case Format::kHtml:
      return HtmlReport(report, style);
    case Format::kText:
      break;
  }
  return TextReport(report, style);
}

}  // namespace zaveredo::auswertung
