// The process: its end, its modules, its priorities and sleeping.
#pragma once

#include <cstdint>
#include <string>

namespace zaveredo::platform {

// ExitProcess: ends the process at once with the code; nothing else runs.
[[noreturn]] void ExitProcess(std::uint32_t code);

// The module (executable or shared library) whose memory holds the address: its file name
// without directory and its start address. False when no module holds it.
bool FindModule(const void* address, std::string* fileName, std::uintptr_t* base);

// The file name, without directory, of the program's own executable.
std::string OwnModuleName();

// Priorities, with the values of the Win32 calls.
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
