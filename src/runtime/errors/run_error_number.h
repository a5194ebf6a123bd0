// The run-time error numbers that the fallback line shows and the process exits with.
#pragma once

#include <cstdint>

#include "runtime/errors/errors.h"

namespace zaveredo {

// By the error's kind; an I/O error has its own I/O code.
std::uint32_t RunErrorNumber(const Exception& error);

// By a processor fault's exception code.
std::uint32_t FaultRunErrorNumber(std::uint32_t exceptionCode);

}  // namespace zaveredo
