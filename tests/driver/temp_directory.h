// A fresh directory that a test works in: made current for the test's lifetime and removed
// with everything in it afterwards.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace zaveredo::test_support {

class TempDirectory {
 public:
  TempDirectory() : previous_(std::filesystem::current_path()) {
    // A name no other test process holds: create_directory is false for an existing one.
    std::random_device seed;
    do {
      path_ = std::filesystem::temp_directory_path() / ("zavdriver." + std::to_string(seed()));
    } while (!std::filesystem::create_directory(path_));
    std::filesystem::current_path(path_);
  }
  ~TempDirectory() {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(path_);
  }
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

inline std::string FileBytes(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void PutFile(const std::string& name, const std::string& bytes) {
  std::ofstream(name, std::ios::binary) << bytes;
}

}  // namespace zaveredo::test_support
