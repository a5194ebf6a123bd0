// The bytes of one file named on the command line ("-" is standard input), read, never written,
// and handed on in pieces as they arrive, so that no file is held whole.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zaveredo::auswertung {

using BytesSink = std::function<void(std::string_view piece)>;

// The German reason the file could not be read to its end; empty when it was.
std::string ReadInputFile(const std::string& name, const BytesSink& piece);

}  // namespace zaveredo::auswertung
