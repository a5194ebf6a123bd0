// Binding, opening and closing.
#include <cstddef>
#include <cstring>

#include "runtime/text/text_stream.h"
#include "runtime/text/text_stream_internal.h"

namespace zaveredo {
namespace {

constexpr std::int32_t kNeverBound = 102;

bool IsValidMode(StreamMode mode) {
  return mode >= StreamMode::kClosed && mode <= StreamMode::kInOut;
}

// The opener of a stream whose path did not fit: Windows too refuses such a name.
std::int32_t RefuseLongPath(TextStream& stream) {
  stream.mode = StreamMode::kClosed;
  return static_cast<std::int32_t>(platform::kErrorPathNotFound);
}

}  // namespace

void BindTextStream(TextStream& stream, const char* path) {
  std::memset(&stream, 0, offsetof(TextStream, buffer));
  stream.mode = StreamMode::kClosed;
  stream.lineFlags = kDefaultLineStyle & kLineFlagCrLf;
  stream.bufferSize = kStreamBufferSize;
  stream.bufferPtr = stream.buffer;
  stream.openOp = text_stream::OpenFileOrConsole;
  std::size_t length = std::strlen(path);
  if (length < kStreamPathSize) {
    std::memcpy(stream.path, path, length + 1);
  } else {
    stream.openOp = RefuseLongPath;
  }
}

namespace text_stream {

// A stream in a valid mode has been bound, and binding always sets the opener.
void OpenTextStream(TextStream& stream, StreamMode mode) {
  if (!IsValidMode(stream.mode)) {
    SetIoResult(kNeverBound);
    return;
  }
  if (stream.mode != StreamMode::kClosed) CloseTextStream(stream);
  stream.mode = mode;
  RunStreamOp(stream.openOp, stream);
}

}  // namespace text_stream

void CreateTextStream(TextStream& stream) {
  text_stream::OpenTextStream(stream, StreamMode::kOutput);
}
void AppendTextStream(TextStream& stream) {
  text_stream::OpenTextStream(stream, StreamMode::kInOut);
}

bool AppendOrCreateTextStream(TextStream& stream) {
  // The file opener told to create; another one (that of a path refused) stays as it is.
  StreamOp bound = stream.openOp;
  if (bound == text_stream::OpenFileOrConsole) stream.openOp = text_stream::OpenFileCreatingIt;
  text_stream::OpenTextStream(stream, StreamMode::kInOut);
  stream.openOp = bound;
  if (stream.mode != StreamMode::kOutput) return false;
  std::int64_t position = 0;
  if (!platform::SetFilePointerEx(stream.handle, 0, platform::kFileCurrent, &position)) {
    text_stream::SetIoResult(static_cast<std::int32_t>(platform::GetLastError()));
    return false;
  }
  return position > 0;
}

void CloseTextStream(TextStream& stream) {
  if (stream.mode == StreamMode::kClosed || !IsValidMode(stream.mode)) {
    if (!text_stream::IsStdInput(stream)) text_stream::SetIoResult(text_stream::kNotOpen);
    return;
  }
  // A failed write-out leaves the stream open, so its handle is not lost.
  if (stream.mode != StreamMode::kInput && !text_stream::RunStreamOp(stream.transferOp, stream))
    return;
  text_stream::RunStreamOp(stream.closeOp, stream);
}

}  // namespace zaveredo
