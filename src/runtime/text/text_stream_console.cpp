// The three console streams: bound with an empty path, opened on first use.
#include "runtime/text/text_stream.h"
#include "runtime/text/text_stream_internal.h"

namespace zaveredo {
namespace {

TextStream& BoundConsoleStream(TextStream& stream) {
  BindTextStream(stream, "");
  return stream;
}

}  // namespace

TextStream& StdInput() {
  static TextStream stream;
  static TextStream& bound = BoundConsoleStream(stream);
  return bound;
}

TextStream& StdOutput() {
  static TextStream stream;
  static TextStream& bound = BoundConsoleStream(stream);
  return bound;
}

TextStream& StdError() {
  static TextStream stream;
  static TextStream& bound = BoundConsoleStream(stream);
  return bound;
}

namespace text_stream {

bool IsStdInput(const TextStream& stream) {
  return &stream == &StdInput();
}

bool IsConsoleOutput(const TextStream& stream) {
  return &stream == &StdOutput() || &stream == &StdError();
}

}  // namespace text_stream

void CloseConsoleStreams() {
  CloseTextStream(StdInput());
  CloseTextStream(StdOutput());
  CloseTextStream(StdError());
}

std::int32_t WriteOutStdOutput() {
  TextStream& stream = StdOutput();
  return stream.mode == StreamMode::kOutput ? stream.transferOp(stream) : 0;
}

}  // namespace zaveredo
