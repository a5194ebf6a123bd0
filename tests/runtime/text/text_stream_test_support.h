// Helpers for the text-stream tests: the pending I/O result taken without letting it escape,
// lines read as a program reads them, and a stream bound to a file in a fresh directory.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/errors/errors.h"
#include "runtime/text/text_stream.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_directory.h"

namespace zaveredo::test_support {

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

  TempDirectory scratch_;
  std::string path_;
  TextStream stream_;
};

}  // namespace zaveredo::test_support
