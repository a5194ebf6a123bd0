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
  ErrorKind parent;  // in the kind tree; the root is its own parent
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
    // kind, name, parent, run-error number; message; fault codes
    {Exception,          "Exception",          Exception,      217, "", {}},
    {EExternal,          "EExternal",          Exception,      217, "", {}},
    {EIntError,          "EIntError",          EExternal,      217, "", {}},
    {ERangeError,        "ERangeError",        EIntError,      201,
     "Fehler bei Bereichsprüfung",    {p::kExceptionArrayBoundsExceeded}},
    {EIntOverflow,       "EIntOverflow",       EIntError,      215,
     "Integerüberlauf",               {p::kExceptionIntOverflow}},
    {EDivByZero,         "EDivByZero",         EIntError,      200,
     "Division durch Null",           {p::kExceptionIntDivideByZero}},
    {EMathError,         "EMathError",         EExternal,      217, "", {}},
    {EInvalidOp,         "EInvalidOp",         EMathError,     207,
     "Ungültige Gleitkommaoperation", {p::kExceptionFltInexactResult,
                                       p::kExceptionFltInvalidOperation,
                                       p::kExceptionFltStackCheck}},
    {EZeroDivide,        "EZeroDivide",        EMathError,     200,
     "Gleitkommadivision durch Null", {p::kExceptionFltDivideByZero}},
    {EOverflow,          "EOverflow",          EMathError,     205,
     "Gleitkommaüberlauf",            {p::kExceptionFltOverflow}},
    {EUnderflow,         "EUnderflow",         EMathError,     206,
     "Gleitkommaunterlauf",           {p::kExceptionFltDenormalOperand,
                                       p::kExceptionFltUnderflow}},
    // Fault address, module, "Lesen" or "Schreiben", accessed address.
    {EAccessViolation,   "EAccessViolation",   EExternal,      216,
     "Zugriffsverletzung bei Adresse %p in Modul '%s'. %s von Adresse %p",
                                      {p::kExceptionAccessViolation}},
    {EStackOverflow,     "EStackOverflow",     EExternal,      202,
     "Stack-Überlauf",                {p::kExceptionStackOverflow}},
    {EPrivilege,         "EPrivilege",         EExternal,      218,
     "Privilegierte Anweisung",       {p::kExceptionPrivInstruction}},
    {EControlC,          "EControlC",          EExternal,      217,
     "Strg+C gedrückt",               {p::kStatusControlCExit}},
    {EExternalException, "EExternalException", EExternal,      255,
     "Externe Exception %x",          {}},
    {EHeapException,     "EHeapException",     Exception,      217, "", {}},
    {EOutOfMemory,       "EOutOfMemory",       EHeapException, 203,
     "Zu wenig Arbeitsspeicher",      {}},
    {EInvalidPointer,    "EInvalidPointer",    EHeapException, 204,
     "Ungültige Zeigeroperation",     {}},
    // The format for the I/O codes without a text of their own (messages.cpp).
    {EInOutError,        "EInOutError",        Exception,      0,
     "E/A-Fehler %d",                 {}},
    // Raised with the registry reader's own messages.
    {ERegistryException, "ERegistryException", Exception,      217, "", {}},
    // The program raises it only for a time of day that cannot be encoded.
    {EConvertError,      "EConvertError",      Exception,      217,
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

// Whether the kind is the ancestor or lies below it in the kind tree.
constexpr bool IsKindOf(ErrorKind kind, ErrorKind ancestor) {
  while (kind != ancestor && kind != ErrorKind::Exception) kind = RowOf(kind).parent;
  return kind == ancestor;
}

// Errors made from processor faults carry the platform's exception record, which the tree
// promises for the kinds below EExternal: every kind a fault becomes must lie there.
static_assert(
    [] {
      for (const ErrorKindRow& row : kind_rows::kRows)
        if (row.faultCodes[0] != 0 && !IsKindOf(row.kind, ErrorKind::EExternal)) return false;
      return IsKindOf(KindOfFault(0), ErrorKind::EExternal);
    }(),
    "every kind a processor fault becomes lies below EExternal");

}  // namespace zaveredo
