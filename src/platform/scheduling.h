// Priorities and sleeping, with the values of the Win32 calls.
#pragma once

#include <cstdint>

namespace zaveredo::platform {

inline constexpr std::uint32_t kNormalPriorityClass = 0x20;
inline constexpr std::uint32_t kRealtimePriorityClass = 0x100;
inline constexpr std::int32_t kThreadPriorityNormal = 0;
inline constexpr std::int32_t kThreadPriorityTimeCritical = 15;

std::uint32_t GetPriorityClass();
bool SetPriorityClass(std::uint32_t priorityClass);
std::int32_t GetThreadPriority();
bool SetThreadPriority(std::int32_t priority);

void Sleep(std::uint32_t milliseconds);

}  // namespace zaveredo::platform
