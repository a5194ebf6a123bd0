// The process: its end and its modules.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zaveredo::platform {

// ExitProcess: ends the process at once with the code; nothing else runs.
[[noreturn]] void ExitProcess(std::uint32_t code);

// A module's file name without directory, held in place: finding it allocates nothing, so a
// fault handler may ask for it.
class ModuleName {
 public:
  // What follows the last of the separators in the path, cut to the room there is.
  void SetFromPath(std::string_view path, std::string_view separators) {
    std::size_t slash = path.find_last_of(separators);
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    length_ = name.size() < sizeof text_ ? name.size() : sizeof text_;
    name.copy(text_, length_);
  }
  std::string_view View() const { return {text_, length_}; }

 private:
  char text_[260] = {};
  std::size_t length_ = 0;
};

// The module (executable or shared library) whose memory holds the address: its file name
// and its start address. False when no module holds it.
bool FindModule(const void* address, ModuleName* name, std::uintptr_t* base);

// The program's own executable.
ModuleName OwnModuleName();

}  // namespace zaveredo::platform
