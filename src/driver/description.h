// The machine description: five items, each labelled on the console before it is obtained
// (the clock-rate measurement takes half a second), then printed and recorded.
#pragma once

#include <string>

#include "runtime/text/text_stream.h"

namespace zaveredo {

// Receives each description item in turn, then the line typed as initials.
extern std::string InfoText;

void DescribeMachine(TextStream& console, TextStream& results);

}  // namespace zaveredo
