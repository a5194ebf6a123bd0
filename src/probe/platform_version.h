// The operating system's version as read once at start-up.
#pragma once

#include <cstdint>
#include <string>

#include "platform/system.h"

namespace zaveredo {

struct PlatformVersionInfo {
  std::int32_t Platform = 0;  // 1: Windows 95 family, 2: NT family, 0: unknown or failed query
  std::int32_t Major = 0;
  std::int32_t Minor = 0;
  std::string ServicePack;  // empty when there is none
};

// The record a successful version query gives: the service pack up to its first NUL, at most
// 128 characters. Defined with the query, its one user.
PlatformVersionInfo PlatformVersionFrom(const platform::OsVersionInfo& info);

}  // namespace zaveredo
