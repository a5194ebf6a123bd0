#include "driver/statements.h"

namespace zaveredo {

void Print(TextStream& stream, std::initializer_list<std::string_view> texts) {
  for (std::string_view text : texts) WriteText(stream, text);
  FinishWrite(stream);
  CheckIoResult();
}

void PrintLine(TextStream& stream, std::initializer_list<std::string_view> texts) {
  for (std::string_view text : texts) WriteText(stream, text);
  WriteLineEnd(stream);
  CheckIoResult();
}

std::string ReadLine(TextStream& stream, std::size_t maxKept) {
  std::string line = ReadLineText(stream, maxKept);
  SkipLine(stream);
  CheckIoResult();
  return line;
}

void WaitForLine(TextStream& stream) {
  SkipLine(stream);
  CheckIoResult();
}

}  // namespace zaveredo
