// Whole files read and written as bytes, for tests that check what a program left in a file.
#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace zaveredo::test_support {

// The file's bytes; empty when it cannot be read.
inline std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Replaces the file's bytes, creating it where it is missing.
inline void PutFileBytes(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace zaveredo::test_support
