#include "runtime/termination/fallback_line.h"

#include "platform/files.h"
#include "platform/process.h"
#include "runtime/errors/code_location.h"
#include "runtime/text/text_stream.h"

namespace zaveredo {
namespace {

constexpr int kNumberPlaces = 3;
constexpr int kAddressDigits = 8;

std::uint32_t ShownAddress(const void* address) {
  auto value = reinterpret_cast<std::uintptr_t>(address);
  if (value <= 0xFFFFFFFFu) return static_cast<std::uint32_t>(value);
  return LocateCode(address).offset;
}

}  // namespace

FixedText FallbackLine(std::uint32_t number, const void* address) {
  FixedText digits;
  digits.AppendDecimal(number);
  FixedText line;
  line.Append("Runtime error ");
  for (auto n = digits.View().size(); n < kNumberPlaces; ++n) line.AppendChar(' ');
  line.Append(digits.View());
  line.Append(" at ");
  line.AppendHex(ShownAddress(address), kAddressDigits);
  return line;
}

void ExitWithFallbackLine(std::uint32_t number, const void* address) {
  FixedText line = FallbackLine(number, address);
  line.Append("\r\n");
  WriteOutStdOutput();
  WriteToStdHandle(platform::kStdOutputHandle, line.View());
  platform::ExitProcess(number);
}

}  // namespace zaveredo
