// What the parts of the text-stream layer share among themselves.
#pragma once

#include <cstdint>

#include "runtime/text/text_stream.h"

namespace zaveredo::text_stream {

// I/O error codes of the streams themselves.
inline constexpr std::int32_t kNotOpen = 103;
inline constexpr std::int32_t kNotOutput = 105;

// With CR LF line ends, the byte that ends a text.
inline constexpr char kEndOfText = 26;

// Records a failure in the pending I/O result. The first failure of a statement is its cause,
// so a code already pending is kept.
void SetIoResult(std::int32_t code);

// Runs one of the stream's operations; its failure becomes the pending I/O result. True when it
// succeeded.
bool RunStreamOp(StreamOp op, TextStream& stream);

// The opening algorithm shared by create, append, reset and the lazy console opening.
void OpenTextStream(TextStream& stream, StreamMode mode);

// The stream operations.
std::int32_t OpenFileOrConsole(TextStream& stream);   // the file opener, also for the console
std::int32_t OpenFileCreatingIt(TextStream& stream);  // the same, appending to a file it creates
std::int32_t RefillBuffer(TextStream& stream);        // input transfer
std::int32_t WriteOutBuffer(TextStream& stream);      // output transfer
std::int32_t CloseFileHandle(TextStream& stream);
std::int32_t DoNothing(TextStream& stream);

bool IsStdInput(const TextStream& stream);
bool IsConsoleOutput(const TextStream& stream);

}  // namespace zaveredo::text_stream
