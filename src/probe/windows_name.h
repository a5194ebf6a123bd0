// The operating-system name of the machine description: the version's name and its service
// pack.
#pragma once

#include <string>

namespace zaveredo {

// Queries the platform's version once, at start-up; a failed query leaves the record at its
// starting values (platform 0, no service pack).
void FillPlatformVersion();

// The name for PlatformVersion ("Unbekannte Version" outside the table), followed by one
// blank and the service pack when there is one. Makes no platform call.
std::string GetWindowsName();

}  // namespace zaveredo
