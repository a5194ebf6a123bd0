// The three console streams: bound with an empty path, opened on first use.
#include "runtime/text/text_stream.h"
#include "runtime/text/text_stream_internal.h"

namespace zaveredo {
namespace {

// Input, output, error.
TextStream& ConsoleStream(int which) {
  static TextStream streams[3];
  [[maybe_unused]] static const bool bound = [] {
    for (TextStream& stream : streams) BindTextStream(stream, "");
    return true;
  }();
  return streams[which];
}

}  // namespace

TextStream& StdInput() {
  return ConsoleStream(0);
}

TextStream& StdOutput() {
  return ConsoleStream(1);
}

TextStream& StdError() {
  return ConsoleStream(2);
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

void WriteToStdHandle(int which, std::string_view bytes) {
  std::uint32_t written = 0;
  platform::WriteFile(platform::GetStdHandle(which), bytes.data(),
                      static_cast<std::uint32_t>(bytes.size()), &written);
}

}  // namespace zaveredo
