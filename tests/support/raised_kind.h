// What a statement raised, for tests that expect an error of one kind.
#pragma once

#include <string>

#include "runtime/errors/errors.h"

namespace zaveredo::test_support {

// The name of the kind of error the statement raised, or "nothing".
template <typename Statement>
std::string RaisedKind(Statement statement) {
  try {
    statement();
  } catch (const Error& error) {
    return error.KindName();
  }
  return "nothing";
}

}  // namespace zaveredo::test_support
