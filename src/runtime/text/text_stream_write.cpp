// Write statements: bytes gather in the 128-byte buffer and go out when it is full, at the end
// of a statement on the console, or at the close.
#include <cstring>

#include "platform/files.h"
#include "runtime/text/text_stream.h"
#include "runtime/text/text_stream_internal.h"

namespace zaveredo {
namespace {

// Standard output and standard error open on their first write, with the line style and
// buffer binding gave them (nothing changes those).
bool ReadyForOutput(TextStream& stream) {
  if (stream.mode != StreamMode::kOutput && text_stream::IsConsoleOutput(stream))
    CreateTextStream(stream);
  if (stream.mode == StreamMode::kOutput) return true;
  text_stream::SetIoResult(text_stream::kNotOutput);
  return false;
}

// A buffer that becomes exactly full is written out at once.
void Append(TextStream& stream, std::string_view bytes) {
  while (stream.bufferSize - stream.bufferPos <= bytes.size()) {
    std::uint32_t free = stream.bufferSize - stream.bufferPos;
    std::memcpy(stream.bufferPtr + stream.bufferPos, bytes.data(), free);
    stream.bufferPos += free;
    bytes.remove_prefix(free);
    if (!text_stream::RunStreamOp(stream.transferOp, stream)) return;
  }
  std::memcpy(stream.bufferPtr + stream.bufferPos, bytes.data(), bytes.size());
  stream.bufferPos += static_cast<std::uint32_t>(bytes.size());
}

}  // namespace

void WriteText(TextStream& stream, std::string_view text) {
  if (ReadyForOutput(stream)) Append(stream, text);
}

void WriteChar(TextStream& stream, char byte) {
  if (!ReadyForOutput(stream)) return;
  if (stream.bufferPos >= stream.bufferSize && !text_stream::RunStreamOp(stream.transferOp, stream))
    return;
  stream.bufferPtr[stream.bufferPos++] = byte;
}

void WriteLineEnd(TextStream& stream) {
  if (!ReadyForOutput(stream)) return;
  Append(stream, (stream.lineFlags & kLineFlagCrLf) != 0 ? std::string_view("\r\n", 2)
                                                         : std::string_view("\n", 1));
  FinishWrite(stream);
}

void FinishWrite(TextStream& stream) {
  if (stream.mode == StreamMode::kInput) return;
  if (stream.mode == StreamMode::kOutput || stream.mode == StreamMode::kInOut) {
    text_stream::RunStreamOp(stream.flushOp, stream);
    return;
  }
  if (!text_stream::IsConsoleOutput(stream)) text_stream::SetIoResult(text_stream::kNotOpen);
}

void WriteOutTextStream(TextStream& stream) {
  if (ReadyForOutput(stream)) text_stream::RunStreamOp(stream.transferOp, stream);
}

namespace text_stream {

// The waiting bytes are dropped whatever the call reports, so a failing device cannot wedge
// the buffer.
std::int32_t WriteOutBuffer(TextStream& stream) {
  if (stream.bufferPos == 0) return 0;
  std::uint32_t written = 0;
  bool ok = platform::WriteFile(stream.handle, stream.bufferPtr, stream.bufferPos, &written);
  stream.bufferPos = 0;
  return ok ? 0 : static_cast<std::int32_t>(platform::GetLastError());
}

}  // namespace text_stream
}  // namespace zaveredo
