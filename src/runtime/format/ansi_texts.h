// A table of texts kept in the source as UTF-8, like a program's string resources, and
// converted to the ANSI code page once: at start-up, or on first use when start-up has not run
// (as in unit tests). After loading, reading a text allocates nothing, so a fault handler can.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace zaveredo {

class AnsiTexts {
 public:
  constexpr explicit AnsiTexts(std::span<const char* const> utf8) : utf8_(utf8) {}

  // Converts every text; later calls do nothing.
  void Load();
  const std::string& operator[](std::size_t index) {
    Load();
    return texts_[index];
  }

 private:
  std::span<const char* const> utf8_;
  std::vector<std::string> texts_;
  bool loaded_ = false;
};

}  // namespace zaveredo
