// Small services beside the streams: where the program runs, whether a file exists, and the
// start of a text.
#pragma once

#include <string>
#include <string_view>

namespace zaveredo {

// The process's current directory: a full path without a trailing separator, except for a
// root. Empty when it cannot be told.
std::string CurrentDirectory();

// Whether a file, not a directory, of that name exists.
bool FileIsPresent(const char* path);

// The first count characters of an ANSI text (none for count <= 0). Counted in UTF-16 units,
// but a surrogate pair is never split: a cut inside one keeps one unit less.
std::string LeftChars(std::string_view text, int count);

// The part of LeftChars that works on UTF-16 units.
std::u16string LeftUnits(std::u16string_view text, int count);

}  // namespace zaveredo
