// The process: its end and its modules.
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

}  // namespace zaveredo::platform
