// The file opener: named files through CreateFile, the console through its standard handles.
#include "platform/files.h"
#include "runtime/text/text_stream.h"
#include "runtime/text/text_stream_internal.h"

namespace zaveredo::text_stream {
namespace {

namespace pf = platform;

std::int32_t Failed(TextStream& stream) {
  stream.mode = StreamMode::kClosed;
  return static_cast<std::int32_t>(pf::GetLastError());
}

pf::Handle OpenNamed(const TextStream& stream, std::uint32_t appendDisposition) {
  switch (stream.mode) {
    case StreamMode::kInput:
      return pf::CreateFile(stream.path, pf::kGenericRead, pf::kOpenExisting);
    case StreamMode::kOutput:
      return pf::CreateFile(stream.path, pf::kGenericWrite, pf::kCreateAlways);
    default:
      return pf::CreateFile(stream.path, pf::kGenericRead | pf::kGenericWrite, appendDisposition);
  }
}

pf::Handle OpenConsole(TextStream& stream) {
  stream.closeOp = DoNothing;
  if (stream.mode == StreamMode::kInput) return pf::GetStdHandle(pf::kStdInputHandle);
  return pf::GetStdHandle(&stream == &StdError() ? pf::kStdErrorHandle : pf::kStdOutputHandle);
}

// Appending starts at the end of the text: at the first byte 26 among the last 128 bytes, cut
// off there, or else at the end of the file. The bytes read are not kept. Sizes and positions
// have all 64 bits, so a file of 4 GiB or more is appended to like any other.
bool PositionAfterText(TextStream& stream) {
  std::int64_t size = 0;
  if (!pf::GetFileSizeEx(stream.handle, &size)) return false;
  std::int64_t tailStart = size >= kStreamBufferSize ? size - kStreamBufferSize : 0;
  if (!pf::SetFilePointerEx(stream.handle, tailStart, pf::kFileBegin, nullptr)) return false;
  std::uint32_t read = 0;
  if (!pf::ReadFile(stream.handle, stream.bufferPtr, kStreamBufferSize, &read)) return false;
  for (std::uint32_t i = 0; i < read; ++i) {
    if (stream.bufferPtr[i] != kEndOfText) continue;
    std::int64_t back = static_cast<std::int64_t>(i) - static_cast<std::int64_t>(read);
    return pf::SetFilePointerEx(stream.handle, back, pf::kFileEnd, nullptr) &&
           pf::SetEndOfFile(stream.handle);
  }
  return true;
}

std::int32_t OpenFile(TextStream& stream, std::uint32_t appendDisposition) {
  stream.bufferPos = 0;
  stream.bufferEnd = 0;
  stream.transferOp = stream.mode == StreamMode::kInput ? RefillBuffer : WriteOutBuffer;
  stream.closeOp = CloseFileHandle;
  stream.flushOp = DoNothing;
  bool named = stream.path[0] != '\0';
  pf::Handle handle = named ? OpenNamed(stream, appendDisposition) : OpenConsole(stream);
  if (handle == pf::kInvalidHandle) return Failed(stream);
  stream.handle = handle;
  if (stream.mode == StreamMode::kInOut) {
    stream.mode = StreamMode::kOutput;
    if (!PositionAfterText(stream)) {
      std::int32_t code = Failed(stream);
      // Unlike a bare failed open, this one holds a handle: release it, and its lock.
      pf::CloseHandle(handle);
      return code;
    }
  }
  if (stream.mode == StreamMode::kInput) return 0;
  switch (pf::GetFileType(stream.handle)) {
    case pf::kFileTypeChar:
      stream.flushOp = WriteOutBuffer;
      return 0;
    case pf::kFileTypeDisk:
    case pf::kFileTypePipe:
      return 0;
    default:
      stream.closeOp(stream);
      stream.mode = StreamMode::kClosed;
      return kNotOutput;
  }
}

}  // namespace

std::int32_t OpenFileOrConsole(TextStream& stream) {
  return OpenFile(stream, pf::kOpenExisting);
}

std::int32_t OpenFileCreatingIt(TextStream& stream) {
  return OpenFile(stream, pf::kOpenAlways);
}

std::int32_t CloseFileHandle(TextStream& stream) {
  stream.mode = StreamMode::kClosed;
  return pf::CloseHandle(stream.handle) ? 0 : static_cast<std::int32_t>(pf::GetLastError());
}

std::int32_t DoNothing(TextStream&) {
  return 0;
}

}  // namespace zaveredo::text_stream
