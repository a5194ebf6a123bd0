// Small services beside the streams: where the program runs and whether a file exists.
#pragma once

#include <string>

namespace zaveredo {

// The process's current directory: a full path without a trailing separator, except for a
// root. Empty when it cannot be told.
std::string CurrentDirectory();

// Whether a file, not a directory, of that name exists.
bool FileIsPresent(const char* path);

}  // namespace zaveredo
