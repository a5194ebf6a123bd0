#include "runtime/termination/error_report.h"

#include <cstring>
#include <string_view>

#include "platform/codepage.h"
#include "platform/files.h"
#include "runtime/errors/code_location.h"
#include "runtime/errors/messages.h"
#include "runtime/text/text_stream.h"

namespace zaveredo {
namespace {

constexpr int kOffsetDigits = 8;

}  // namespace

FixedText ComposeErrorReport(const Error& error) {
  CodeLocation location = LocateCode(error.Address());
  std::string_view message = error.Message();
  bool needsPeriod = !message.empty() && message.back() != '.';
  FixedText report;
  FormatText(report, MessageText(MessageId::kReportFormat),
             {FormatArg::Text(error.KindName()), FormatArg::Text(location.moduleName.View()),
              FormatArg::Hex(location.offset, kOffsetDigits), FormatArg::Text(message),
              FormatArg::Text(needsPeriod ? "." : "")});
  return report;
}

void WriteErrorReport(const Error& error) {
  WriteOutStdOutput();
  FixedText report = ComposeErrorReport(error);
  char oem[FixedText::kCapacity];
  std::memcpy(oem, report.CString(), report.View().size() + 1);
  platform::AnsiToOemInPlace(oem);
  WriteToStdHandle(platform::kStdErrorHandle, {oem, report.View().size()});
  WriteToStdHandle(platform::kStdErrorHandle, "\r\n");
}

}  // namespace zaveredo
