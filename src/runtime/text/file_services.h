// Small services beside the streams: where the program runs and whether a file exists.
#pragma once

#include <string>

namespace zaveredo {

// The process's current directory: a full path without a trailing separator, except for a
// root. Empty when it cannot be told.
std::string CurrentDirectory();

// Whether a file, not a directory, of that name exists. False, with the search's error code
// left as the pending I/O result, when the search failed otherwise than by finding no such
// file or path: the answer is then unknown, and the caller's CheckIoResult raises it.
bool FileIsPresent(const char* path);

}  // namespace zaveredo
