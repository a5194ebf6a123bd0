// The whole program: command line, reading, report, output, exit code.
#pragma once

#include <ostream>

namespace zaveredo::auswertung {

// `out` receives the report unless -o names a file; `err` the file errors and usage errors.
int RunAuswertung(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace zaveredo::auswertung
