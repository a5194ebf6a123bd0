// A fresh directory under the system's temporary directory, removed with everything in it when
// the test is done. Made current for its lifetime on request, for code that works in the
// current directory.
#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace zaveredo::test_support {

class TempDirectory {
 public:
  enum class Use { kAside, kAsCurrent };

  explicit TempDirectory(Use use = Use::kAside) {
    // A name no other test process holds: create_directory is false for an existing one.
    std::random_device seed;
    do {
      path_ = std::filesystem::temp_directory_path() / ("zavtest." + std::to_string(seed()));
    } while (!std::filesystem::create_directory(path_));
    if (use == Use::kAsCurrent) {
      previous_ = std::filesystem::current_path();
      std::filesystem::current_path(path_);
    }
  }
  ~TempDirectory() {
    std::error_code ignored;
    if (!previous_.empty()) std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;

  // With the platform's separator, so "sub\\name" reaches into a subdirectory on Windows.
  std::string PathOf(const std::string& name) const { return (path_ / name).string(); }
  std::string Path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
  std::filesystem::path previous_;
};

}  // namespace zaveredo::test_support
