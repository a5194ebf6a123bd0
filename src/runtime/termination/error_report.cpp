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

void WriteToStdError(std::string_view bytes) {
  std::uint32_t written = 0;
  platform::WriteFile(platform::GetStdHandle(platform::kStdErrorHandle), bytes.data(),
                      static_cast<std::uint32_t>(bytes.size()), &written);
}

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
  WriteToStdError({oem, report.View().size()});
  WriteToStdError("\r\n");
}

}  // namespace zaveredo
