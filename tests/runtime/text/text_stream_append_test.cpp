#include <gtest/gtest.h>

#include <string>

#include "runtime/text/text_stream.h"
#include "tests/runtime/text/text_stream_test_support.h"

namespace zaveredo {
namespace {

using test_support::FileBytes;
using test_support::PutFileBytes;
using test_support::TakeIoResult;
using test_support::TempDirectory;

constexpr char kMark = 26;

class TextStreamAppendTest : public test_support::FileStreamTest {
 protected:
  TextStreamAppendTest() : FileStreamTest("results.txt") {}
  // Appends "NEW" to a file holding the bytes and returns what the file holds after the open
  // and after the close.
  std::pair<std::string, std::string> AppendTo(const std::string& bytes) {
    PutFileBytes(path_, bytes);
    AppendTextStream(stream_);
    EXPECT_EQ(TakeIoResult(), 0);
    EXPECT_EQ(stream_.mode, StreamMode::kOutput);
    EXPECT_EQ(stream_.bufferPos, 0u);
    std::string opened = FileBytes(path_);
    WriteText(stream_, "NEW");
    CloseTextStream(stream_);
    EXPECT_EQ(TakeIoResult(), 0);
    return {opened, FileBytes(path_)};
  }
};

TEST_F(TextStreamAppendTest, WritesAfterTheLastByte) {
  std::string old = std::string(500, 'o') + "\r\n";
  auto [opened, closed] = AppendTo(old);
  EXPECT_EQ(opened, old);
  EXPECT_EQ(closed, old + "NEW");
}

TEST_F(TextStreamAppendTest, EmptyFileIsWrittenFromTheStart) {
  auto [opened, closed] = AppendTo("");
  EXPECT_EQ(opened, "");
  EXPECT_EQ(closed, "NEW");
}

TEST_F(TextStreamAppendTest, MarkInTheLastBlockCutsTheFileBeforeWriting) {
  std::string text = std::string(200, 't');
  auto [opened, closed] = AppendTo(text + kMark + "garbage");
  EXPECT_EQ(opened, text);
  EXPECT_EQ(closed, text + "NEW");
}

TEST_F(TextStreamAppendTest, FirstMarkOfTheLastBlockWins) {
  std::string text = std::string(50, 't');
  auto [opened, closed] = AppendTo(text + kMark + "mid" + kMark + "end");
  EXPECT_EQ(closed, text + "NEW");
}

TEST_F(TextStreamAppendTest, MarkOnTheFirstByteOfTheLastBlockCuts) {
  // 300 bytes: the last block starts at 172.
  std::string before(172, 'b');
  std::string after(127, 'a');
  auto [opened, closed] = AppendTo(before + kMark + after);
  EXPECT_EQ(closed, before + "NEW");
}

TEST_F(TextStreamAppendTest, MarkJustBeforeTheLastBlockStays) {
  std::string old = std::string(171, 'b') + kMark + std::string(128, 'a');
  auto [opened, closed] = AppendTo(old);
  EXPECT_EQ(opened, old);
  EXPECT_EQ(closed, old + "NEW");
}

TEST_F(TextStreamAppendTest, MarkInAShortFileCuts) {
  auto [opened, closed] = AppendTo(std::string("abc") + kMark + "def");
  EXPECT_EQ(opened, "abc");
  EXPECT_EQ(closed, "abcNEW");
}

TEST_F(TextStreamAppendTest, MissingFileFailsWithCode2AndCreatesNothing) {
  AppendTextStream(stream_);
  EXPECT_EQ(TakeIoResult(), 2);
  EXPECT_EQ(stream_.mode, StreamMode::kClosed);
  EXPECT_FALSE(std::filesystem::exists(path_));
}

// The open for a file seen missing: it creates the file, or appends to one that appeared
// meanwhile, and says whether text precedes the new bytes.
TEST_F(TextStreamAppendTest, AppendOrCreateMakesAMissingFileAndKeepsAnExistingOne) {
  EXPECT_FALSE(AppendOrCreateTextStream(stream_));
  EXPECT_EQ(TakeIoResult(), 0);
  WriteText(stream_, "one;");
  CloseTextStream(stream_);
  EXPECT_TRUE(AppendOrCreateTextStream(stream_));
  WriteText(stream_, "two;");
  CloseTextStream(stream_);
  EXPECT_EQ(FileBytes(path_), "one;two;");

  PutFileBytes(path_, std::string(1, kMark) + "rest");
  EXPECT_FALSE(AppendOrCreateTextStream(stream_));
  WriteText(stream_, "NEW");
  CloseTextStream(stream_);
  EXPECT_EQ(TakeIoResult(), 0);
  EXPECT_EQ(FileBytes(path_), "NEW");
}

TEST_F(TextStreamAppendTest, DirectoryIsRefusedWithCode5) {
  std::filesystem::create_directory(path_);
  AppendTextStream(stream_);
  EXPECT_EQ(TakeIoResult(), 5);
  EXPECT_EQ(stream_.mode, StreamMode::kClosed);
}

}  // namespace
}  // namespace zaveredo
