// Buffered byte streams behind the console and the results file. They convert nothing: bytes
// reach the console and the file exactly as the program holds them. A failing operation only
// records its code in the pending I/O result; CheckIoResult, called after every statement,
// raises it as EInOutError.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace zaveredo {

// A stream's state, by its customary numbers: a value outside them is a stream never bound.
enum class StreamMode : std::uint16_t {
  kClosed = 0xD7B0,
  kInput = 0xD7B1,
  kOutput = 0xD7B2,
  kInOut = 0xD7B3,  // only while opening for appending
};

// Bit 0: CR LF line ends, and a byte 26 in the input ends the text.
inline constexpr std::uint16_t kLineFlagCrLf = 1;
inline constexpr std::uint16_t kDefaultLineStyle = kLineFlagCrLf;

inline constexpr std::uint32_t kStreamBufferSize = 128;
inline constexpr std::size_t kStreamPathSize = 260;

struct TextStream;

// A stream operation: 0 or the error code of its failure.
using StreamOp = std::int32_t (*)(TextStream& stream);

struct TextStream {
  platform::Handle handle;
  StreamMode mode;
  std::uint16_t lineFlags;
  std::uint32_t bufferSize;
  std::uint32_t bufferPos;  // output: bytes waiting; input: index of the next unread byte
  std::uint32_t bufferEnd;  // input: valid bytes in the buffer
  char* bufferPtr;
  StreamOp openOp;
  StreamOp transferOp;  // input: refill with one read; output: write out the waiting bytes
  StreamOp flushOp;     // at the end of every write statement
  StreamOp closeOp;
  char path[kStreamPathSize];  // empty for the console streams
  char buffer[kStreamBufferSize];
};

// Prepares a closed stream on the file; never fails. A path that does not fit is not cut
// short (that would name another file): opening such a stream fails with code 3.
void BindTextStream(TextStream& stream, const char* path);

// Opens for writing; the file is created, or truncated if it exists.
void CreateTextStream(TextStream& stream);
// Opens an existing file for writing after its end, cut at a byte 26 in its last 128 bytes.
void AppendTextStream(TextStream& stream);
// As AppendTextStream, but a missing file is created, and nothing of an existing one is lost (a
// byte 26 in its last 128 bytes aside): the call for a file seen missing that someone else may
// create meanwhile. True when text precedes the place where writing starts.
bool AppendOrCreateTextStream(TextStream& stream);

void WriteText(TextStream& stream, std::string_view text);
void WriteChar(TextStream& stream, char byte);
// Appends the line end, then ends the statement as FinishWrite.
void WriteLineEnd(TextStream& stream);
// End of a write statement: the console sees the bytes now, files and pipes in 128-byte blocks.
void FinishWrite(TextStream& stream);
// Writes out the waiting bytes now, whatever kind of file the stream is on; it stays open.
void WriteOutTextStream(TextStream& stream);
// Writes out the waiting bytes and releases the handle.
void CloseTextStream(TextStream& stream);

// The rest of the current line, without its line end, which stays unread. Of a longer line only
// the first maxKept bytes are kept; the rest is read and dropped, so a line that never ends
// (an endless input) costs no memory.
std::string ReadLineText(TextStream& stream, std::size_t maxKept = std::string::npos);
// Consumes everything up to and including the next line end.
void SkipLine(TextStream& stream);

// Raises a pending I/O error code as EInOutError at the caller's address, and clears it.
void CheckIoResult();

// The console streams, opened on first use.
TextStream& StdInput();
TextStream& StdOutput();
TextStream& StdError();

// Termination: closes standard input, output and error, in that order, which writes out what
// is waiting; console handles themselves stay open.
void CloseConsoleStreams();

// Writes standard output's waiting bytes, if it is open; 0 or the code of the failure, which
// is not recorded (before an error report it is ignored).
std::int32_t WriteOutStdOutput();

// Writes the bytes straight to a standard handle (kStdOutputHandle, ...), past the streams'
// buffers and without allocating: the reports that end a run. A failure goes unrecorded.
void WriteToStdHandle(int which, std::string_view bytes);

}  // namespace zaveredo
