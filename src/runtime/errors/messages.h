// The run-time library's texts, kept in the source as UTF-8 like a program's string resources
// and converted to the ANSI code page once, at start-up (LoadMessages): the kinds' messages of
// error_kinds.h and the texts below. The texts with placeholders are filled in when used
// (format_text.h).
#pragma once

#include <cstdint>
#include <string>

#include "runtime/errors/error_kinds.h"

namespace zaveredo {

// The texts that belong to no single kind.
enum class MessageId {
  kAccessViolation,  // without a module: fault address, reading or writing, accessed address
  kReading,
  kWriting,
  kReportFormat,  // the error report: kind, module, offset, message, "." or nothing
  kCount
};

// Converts every text to the ANSI code page; later calls do nothing.
void LoadMessages();

// The converted texts (loaded on first use when start-up has not run, as in unit tests).
const std::string& KindMessage(ErrorKind kind);
const std::string& MessageText(MessageId id);
// The message of an I/O error code: its own text, or EInOutError's format for the rest.
const std::string& IoMessage(std::int32_t code);

}  // namespace zaveredo
