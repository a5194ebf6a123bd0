// The operating-system name of the machine description: the version's name and its service
// pack.
#pragma once

#include <string>

#include "probe/platform_version.h"

namespace zaveredo {

// The platform's version as its query reports it, asked once at start-up; a failed query
// gives the starting values (platform 0, no service pack).
PlatformVersionInfo QueryPlatformVersion();

// The version's name ("Unbekannte Version" outside the table), followed by one blank and the
// service pack when there is one. Makes no platform call.
std::string GetWindowsName(const PlatformVersionInfo& version);

}  // namespace zaveredo
