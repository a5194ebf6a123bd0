// The start of a text, cut by characters rather than bytes.
#pragma once

#include <string>
#include <string_view>

namespace zaveredo {

// The first count characters of an ANSI text (none for count <= 0). Counted in UTF-16 units,
// but a surrogate pair is never split: a cut inside one keeps one unit less.
std::string LeftChars(std::string_view text, int count);

// The part of LeftChars that works on UTF-16 units.
std::u16string LeftUnits(std::u16string_view text, int count);

}  // namespace zaveredo
