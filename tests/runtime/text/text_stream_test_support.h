// Helpers for the text-stream tests: a scratch directory, whole-file reads and writes, and the
// pending I/O result taken without letting it escape.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/errors/errors.h"
#include "runtime/text/text_stream.h"

namespace zaveredo::test_support {

class ScratchDirectory {
 public:
  ScratchDirectory() {
    static std::atomic<int> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = std::filesystem::temp_directory_path() /
            ("zav-io-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
  }
  ~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  std::string PathOf(const char* name) const { return (path_ / name).string(); }
  std::string Path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

inline std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void PutFileBytes(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The pending I/O code (0 for none), cleared as CheckIoResult clears it.
inline std::int32_t TakeIoResult() {
  try {
    CheckIoResult();
  } catch (const Error& error) {
    if (error.Kind() != ErrorKind::EInOutError) throw;
    return error.IoErrorCode();
  }
  return 0;
}

// The lines a program reads with "read a line" statements: ReadLineText, then SkipLine.
inline std::vector<std::string> ReadLines(TextStream& stream, int count) {
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) {
    lines.push_back(ReadLineText(stream));
    SkipLine(stream);
  }
  return lines;
}

// A stream bound to a file of the given name in a scratch directory, closed after each test.
class FileStreamTest : public ::testing::Test {
 protected:
  explicit FileStreamTest(const char* fileName) : path_(scratch_.PathOf(fileName)) {}
  void SetUp() override {
    TakeIoResult();
    BindTextStream(stream_, path_.c_str());
  }
  void TearDown() override {
    if (stream_.mode != StreamMode::kClosed) CloseTextStream(stream_);
    TakeIoResult();
  }

  ScratchDirectory scratch_;
  std::string path_;
  TextStream stream_;
};

}  // namespace zaveredo::test_support
