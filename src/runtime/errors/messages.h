// The run-time library's texts, kept in the source as UTF-8 like a program's string resources
// and converted to the ANSI code page once, at start-up (LoadMessages). The texts with
// placeholders are filled in when used (message_format.h).
#pragma once

#include <string>

namespace zaveredo {

enum class MessageId {
  kRangeError,
  kIntOverflow,
  kOutOfMemory,
  kInvalidPointer,
  kFloatOverflow,
  kInvalidOp,
  kZeroDivide,
  kUnderflow,
  kDivByZero,
  kStackOverflow,
  kPrivilege,
  kControlC,
  kTimeEncoding,
  kFileNotFound,             // I/O 2
  kInvalidFileName,          // I/O 3
  kTooManyOpenFiles,         // I/O 4
  kAccessDenied,             // I/O 5
  kReadPastEnd,              // I/O 100
  kDiskFull,                 // I/O 101
  kInvalidNumber,            // I/O 106
  kIoError,                  // "E/A-Fehler %d": any other I/O code
  kAccessViolationInModule,  // fault address, module, reading or writing, accessed address
  kAccessViolation,          // the same without a module
  kReading,
  kWriting,
  kExternalException,  // "Externe Exception %x"
  kReportFormat,       // the error report: kind, module, offset, message, "." or nothing
  kCount
};

// Converts every text to the ANSI code page; later calls do nothing.
void LoadMessages();

// The converted text (loading on first use when start-up has not run, as in unit tests).
const std::string& MessageText(MessageId id);

}  // namespace zaveredo
