// The per-thread last error of the POSIX backend, kept as a Win32 code so the text streams and
// the error messages work alike on both platforms.
#pragma once

#include <cstdint>

namespace zaveredo::platform::posix {

// Win32 codes without a name in files.h.
inline constexpr std::uint32_t kErrorInvalidFunction = 1;
inline constexpr std::uint32_t kErrorNotEnoughMemory = 8;
inline constexpr std::uint32_t kErrorGenFailure = 31;
inline constexpr std::uint32_t kErrorInvalidParameter = 87;
inline constexpr std::uint32_t kErrorNegativeSeek = 131;
inline constexpr std::uint32_t kErrorFilenameExcedRange = 206;
inline constexpr std::uint32_t kErrorFileTooLarge = 223;
inline constexpr std::uint32_t kErrorIoDevice = 1117;
inline constexpr std::uint32_t kErrorCantResolveFilename = 1921;

void SetLastError(std::uint32_t code);

// Records the Win32 code that corresponds to the errno value.
void SetLastErrorFromErrno(int errnoValue);

// The Win32 code for an errno value.
std::uint32_t Win32CodeOfErrno(int errnoValue);

}  // namespace zaveredo::platform::posix
