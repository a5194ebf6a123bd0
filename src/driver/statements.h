// The run's input and output statements. Each is one statement: its writes, then the end of
// the statement (which pushes a console's bytes out at once), then the I/O check, so a failure
// ends the run at the statement that caused it.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "runtime/text/text_stream.h"

namespace zaveredo {

// Texts without a line end.
void Print(TextStream& stream, std::initializer_list<std::string_view> texts);
// Texts and a line end (none: an empty line).
void PrintLine(TextStream& stream, std::initializer_list<std::string_view> texts = {});

// The rest of the current input line, without its line end; the line end is consumed. Only the
// first maxKept bytes of the line are kept (ReadLineText).
std::string ReadLine(TextStream& stream, std::size_t maxKept = std::string::npos);
// Discards input up to and including the next line end.
void WaitForLine(TextStream& stream);

}  // namespace zaveredo
