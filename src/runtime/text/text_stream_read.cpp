// Reading lines: LF or CR LF ends a line, a lone CR is dropped, and with CR LF line ends a
// byte 26 ends the text for good.
#include <algorithm>

#include "platform/files.h"
#include "runtime/text/text_stream.h"
#include "runtime/text/text_stream_internal.h"

namespace zaveredo {
namespace {

constexpr std::int32_t kNotInput = 104;
constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr int kEnd = -1;         // end of text
constexpr int kChunkSize = 255;  // a line is gathered in pieces of this size

// Standard input opens on its first read, as standard output on its first write.
bool ReadyForInput(TextStream& stream) {
  if (stream.mode != StreamMode::kInput && text_stream::IsStdInput(stream))
    text_stream::OpenTextStream(stream, StreamMode::kInput);
  if (stream.mode == StreamMode::kInput) return true;
  text_stream::SetIoResult(kNotInput);
  return false;
}

// The next unread byte, refilling the buffer when it is used up; kEnd at the end of text.
// The input's end leaves a byte 26 behind, so every later read ends there too.
int PeekByte(TextStream& stream) {
  if (!ReadyForInput(stream)) return kEnd;
  while (stream.bufferPos >= stream.bufferEnd) {
    if (!text_stream::RunStreamOp(stream.transferOp, stream)) return kEnd;
    if (stream.bufferEnd == 0) {
      if ((stream.lineFlags & kLineFlagCrLf) == 0) return kEnd;
      stream.bufferPtr[stream.bufferEnd++] = text_stream::kEndOfText;
    }
  }
  char byte = stream.bufferPtr[stream.bufferPos];
  if (byte == text_stream::kEndOfText && (stream.lineFlags & kLineFlagCrLf) != 0) return kEnd;
  return static_cast<unsigned char>(byte);
}

// After a CR: whether an LF follows. The CR stays unread while the LF is in the same buffer
// fill; a CR that ends a fill is consumed and the next fill decides.
bool CrBeforeLf(TextStream& stream) {
  if (stream.bufferPos + 1 < stream.bufferEnd) {
    if (stream.bufferPtr[stream.bufferPos + 1] == kLf) return true;
    ++stream.bufferPos;
    return false;
  }
  ++stream.bufferPos;
  return PeekByte(stream) == kLf;
}

}  // namespace

std::string ReadLineText(TextStream& stream, std::size_t maxKept) {
  std::string line;
  char chunk[kChunkSize];
  int used = 0;
  auto keep = [&] {
    std::size_t room = maxKept - std::min(maxKept, line.size());
    line.append(chunk, std::min(room, static_cast<std::size_t>(used)));
    used = 0;
  };
  for (;;) {
    int byte = PeekByte(stream);
    if (byte == kEnd || byte == kLf) break;
    if (byte == kCr) {
      if (CrBeforeLf(stream)) break;
      continue;
    }
    chunk[used++] = static_cast<char>(byte);
    ++stream.bufferPos;
    if (used == kChunkSize) keep();
  }
  keep();
  return line;
}

void SkipLine(TextStream& stream) {
  for (;;) {
    int byte = PeekByte(stream);
    if (byte == kEnd) return;
    ++stream.bufferPos;
    if (byte == kLf) return;
    if (byte == kCr && PeekByte(stream) == kLf) {
      ++stream.bufferPos;
      return;
    }
  }
}

namespace text_stream {

// A pipe whose writer has gone is the end of the input, not a failure.
std::int32_t RefillBuffer(TextStream& stream) {
  // What was printed leaves before standard input is read, as an interactive program's user
  // expects: a prompt shows while the program waits, even when standard output is a pipe or a
  // file. Only when the bytes leave changes, not which bytes.
  if (IsStdInput(stream)) {
    std::int32_t result = WriteOutStdOutput();
    if (result != 0) return result;
  }
  stream.bufferPos = 0;
  stream.bufferEnd = 0;
  std::uint32_t read = 0;
  if (!platform::ReadFile(stream.handle, stream.bufferPtr, stream.bufferSize, &read)) {
    std::uint32_t code = platform::GetLastError();
    if (code != platform::kErrorBrokenPipe) return static_cast<std::int32_t>(code);
    read = 0;
  }
  stream.bufferEnd = read;
  return 0;
}

}  // namespace text_stream
}  // namespace zaveredo
