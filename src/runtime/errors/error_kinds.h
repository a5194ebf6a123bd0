// The error kinds, one row each: everything the program knows about a kind. Adding or auditing
// a kind is its enumerator and its row, here; the compiler checks that the two agree.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "platform/faults.h"

namespace zaveredo {

enum class ErrorKind : std::uint8_t {
  Exception,
  EExternal,
  EIntError,
  ERangeError,
  EIntOverflow,
  EDivByZero,
  EMathError,
  EInvalidOp,
  EZeroDivide,
  EOverflow,
  EUnderflow,
  EAccessViolation,
  EStackOverflow,
  EPrivilege,
  EControlC,
  EExternalException,
  EHeapException,
  EOutOfMemory,
  EInvalidPointer,
  EInOutError,
  ERegistryException,
  EConvertError,
  kCount
};

struct ErrorKindRow {
  ErrorKind kind;
  const char* name;  // as the report prints it
  // Shown by the fallback line and the exit code without the machinery. An I/O error shows its
  // own code instead.
  std::uint32_t runErrorNumber;
  // The fixed message in UTF-8 (converted at start-up), or the format the error fills in.
  // Empty for kinds that are never raised, or raised only with messages of their own.
  const char* message;
  // The processor faults that become this kind (unused places are 0). EExternalException
  // takes every code that no row names.
  std::array<std::uint32_t, 3> faultCodes;
};

namespace kind_rows {
using enum ErrorKind;
namespace p = platform;

// clang-format off
inline constexpr ErrorKindRow kRows[] = {
    // kind, name, run-error number; message; fault codes
    {Exception,          "Exception",          217, "", {}},
    {EExternal,          "EExternal",          217, "", {}},
    {EIntError,          "EIntError",          217, "", {}},
    {ERangeError,        "ERangeError",        201,
     "Fehler bei Bereichsprüfung",    {p::kExceptionArrayBoundsExceeded}},
    {EIntOverflow,       "EIntOverflow",       215,
     "Integerüberlauf",               {p::kExceptionIntOverflow}},
    {EDivByZero,         "EDivByZero",         200,
     "Division durch Null",           {p::kExceptionIntDivideByZero}},
    {EMathError,         "EMathError",         217, "", {}},
    {EInvalidOp,         "EInvalidOp",         207,
     "Ungültige Gleitkommaoperation", {p::kExceptionFltInexactResult,
                                       p::kExceptionFltInvalidOperation,
                                       p::kExceptionFltStackCheck}},
    {EZeroDivide,        "EZeroDivide",        200,
     "Gleitkommadivision durch Null", {p::kExceptionFltDivideByZero}},
    {EOverflow,          "EOverflow",          205,
     "Gleitkommaüberlauf",            {p::kExceptionFltOverflow}},
    {EUnderflow,         "EUnderflow",         206,
     "Gleitkommaunterlauf",           {p::kExceptionFltDenormalOperand,
                                       p::kExceptionFltUnderflow}},
    // Fault address, module, "Lesen" or "Schreiben", accessed address.
    {EAccessViolation,   "EAccessViolation",   216,
     "Zugriffsverletzung bei Adresse %p in Modul '%s'. %s von Adresse %p",
                                      {p::kExceptionAccessViolation}},
    {EStackOverflow,     "EStackOverflow",     202,
     "Stack-Überlauf",                {p::kExceptionStackOverflow}},
    {EPrivilege,         "EPrivilege",         218,
     "Privilegierte Anweisung",       {p::kExceptionPrivInstruction}},
    {EControlC,          "EControlC",          217,
     "Strg+C gedrückt",               {p::kStatusControlCExit}},
    {EExternalException, "EExternalException", 255,
     "Externe Exception %x",          {}},
    {EHeapException,     "EHeapException",     217, "", {}},
    {EOutOfMemory,       "EOutOfMemory",       203,
     "Zu wenig Arbeitsspeicher",      {}},
    {EInvalidPointer,    "EInvalidPointer",    204,
     "Ungültige Zeigeroperation",     {}},
    // The format for the I/O codes without a text of their own (messages.cpp).
    {EInOutError,        "EInOutError",        0,
     "E/A-Fehler %d",                 {}},
    // Raised with the registry reader's own messages.
    {ERegistryException, "ERegistryException", 217, "", {}},
    // The program raises it only for a time of day that cannot be encoded.
    {EConvertError,      "EConvertError",      217,
     "Ungültiges Argument zum Codieren der Uhrzeit", {}},
};
// clang-format on

static_assert(
    [] {
      for (std::size_t i = 0; i < std::size(kRows); ++i)
        if (kRows[i].kind != static_cast<ErrorKind>(i) || kRows[i].name == nullptr ||
            kRows[i].message == nullptr)
          return false;
      return std::size(kRows) == static_cast<std::size_t>(ErrorKind::kCount);
    }(),
    "one row per kind, in the order of the enumerators");

}  // namespace kind_rows

inline constexpr std::size_t kErrorKindCount = static_cast<std::size_t>(ErrorKind::kCount);

constexpr const ErrorKindRow& RowOf(ErrorKind kind) {
  return kind_rows::kRows[static_cast<std::size_t>(kind)];
}

// The kind a processor fault becomes, by the platform's exception code.
constexpr ErrorKind KindOfFault(std::uint32_t code) {
  for (const ErrorKindRow& row : kind_rows::kRows)
    for (std::uint32_t faultCode : row.faultCodes)
      if (faultCode != 0 && faultCode == code) return row.kind;
  return ErrorKind::EExternalException;
}

}  // namespace zaveredo
