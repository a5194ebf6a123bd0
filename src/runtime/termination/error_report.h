// The report of an error that ends the run, on the standard error stream:
//   Exception <kind> in Modul <module> bei <offset>.\r\n<message><"." or nothing>\r\n
// followed by one more CR LF, so it ends with an empty line.
#pragma once

#include "runtime/errors/errors.h"
#include "runtime/format/format_text.h"

namespace zaveredo {

// The report's text in the ANSI code page, cut to 1023 characters, without the final CR LF.
FixedText ComposeErrorReport(const Error& error);

// Writes out standard output's waiting bytes, then the report, converted to the OEM code page,
// and CR LF to the standard error handle (directly, not through a text stream). Allocates
// nothing, so a fault handler can report.
void WriteErrorReport(const Error& error);

}  // namespace zaveredo
