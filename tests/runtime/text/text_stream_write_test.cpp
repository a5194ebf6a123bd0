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

class TextStreamWriteTest : public test_support::FileStreamTest {
 protected:
  TextStreamWriteTest() : FileStreamTest("out.txt") {}
  void Create() {
    CreateTextStream(stream_);
    ASSERT_EQ(TakeIoResult(), 0);
  }
};

TEST_F(TextStreamWriteTest, CreateTruncatesAnExistingFileAtOnce) {
  PutFileBytes(path_, "an earlier record\r\n");
  Create();
  EXPECT_EQ(stream_.mode, StreamMode::kOutput);
  EXPECT_EQ(FileBytes(path_), "");
  WriteText(stream_, "new");
  CloseTextStream(stream_);
  EXPECT_EQ(TakeIoResult(), 0);
  EXPECT_EQ(FileBytes(path_), "new");
}

TEST_F(TextStreamWriteTest, TextFillingTheBufferExactlyIsWrittenAtOnce) {
  Create();
  WriteText(stream_, std::string(128, 'a'));
  EXPECT_EQ(stream_.bufferPos, 0u);
  EXPECT_EQ(FileBytes(path_), std::string(128, 'a'));
}

TEST_F(TextStreamWriteTest, ShortTextWaitsUntilTheBufferFills) {
  Create();
  WriteText(stream_, std::string(127, 'a'));
  FinishWrite(stream_);  // a disk file is not pushed out per statement
  EXPECT_EQ(TakeIoResult(), 0);
  EXPECT_EQ(stream_.bufferPos, 127u);
  EXPECT_EQ(FileBytes(path_), "");
  WriteText(stream_, "b");
  EXPECT_EQ(stream_.bufferPos, 0u);
  EXPECT_EQ(FileBytes(path_), std::string(127, 'a') + "b");
}

TEST_F(TextStreamWriteTest, LongTextGoesOutInWholeBlocks) {
  Create();
  WriteText(stream_, "x");
  std::string text(300, 'y');
  WriteText(stream_, text);
  EXPECT_EQ(FileBytes(path_).size(), 256u);
  EXPECT_EQ(stream_.bufferPos, 45u);
  CloseTextStream(stream_);
  EXPECT_EQ(TakeIoResult(), 0);
  EXPECT_EQ(FileBytes(path_), "x" + text);
}

TEST_F(TextStreamWriteTest, CharLeavesAFullBufferWaitingUntilTheNextByte) {
  Create();
  WriteText(stream_, std::string(127, 'a'));
  WriteChar(stream_, 'b');
  EXPECT_EQ(stream_.bufferPos, 128u);
  EXPECT_EQ(FileBytes(path_), "");
  WriteChar(stream_, 'c');
  EXPECT_EQ(stream_.bufferPos, 1u);
  EXPECT_EQ(FileBytes(path_), std::string(127, 'a') + "b");
}

TEST_F(TextStreamWriteTest, LineEndFollowsTheLineStyle) {
  Create();
  WriteText(stream_, "a");
  WriteLineEnd(stream_);
  stream_.lineFlags = 0;
  WriteText(stream_, "b");
  WriteLineEnd(stream_);
  CloseTextStream(stream_);
  EXPECT_EQ(TakeIoResult(), 0);
  EXPECT_EQ(FileBytes(path_), "a\r\nb\n");
}

TEST_F(TextStreamWriteTest, CloseWritesTheRestAndClosesOnce) {
  Create();
  WriteText(stream_, "rest");
  CloseTextStream(stream_);
  EXPECT_EQ(TakeIoResult(), 0);
  EXPECT_EQ(stream_.mode, StreamMode::kClosed);
  EXPECT_EQ(FileBytes(path_), "rest");
  CloseTextStream(stream_);
  EXPECT_EQ(TakeIoResult(), 103);
}

TEST_F(TextStreamWriteTest, StreamThatIsNotOpenRefusesWrites) {
  WriteText(stream_, "lost");
  EXPECT_EQ(TakeIoResult(), 105);
  WriteChar(stream_, 'x');
  EXPECT_EQ(TakeIoResult(), 105);
  FinishWrite(stream_);
  EXPECT_EQ(TakeIoResult(), 103);
  EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST_F(TextStreamWriteTest, ReopeningClosesFirstAndKeepsWhatWasWritten) {
  Create();
  WriteText(stream_, "first");
  AppendTextStream(stream_);
  WriteText(stream_, "+second");
  CloseTextStream(stream_);
  EXPECT_EQ(TakeIoResult(), 0);
  EXPECT_EQ(FileBytes(path_), "first+second");
}

TEST(TextStreamOpenTest, RecordNeverBoundIsRefusedWith102) {
  TakeIoResult();
  TextStream stream{};
  CreateTextStream(stream);
  EXPECT_EQ(TakeIoResult(), 102);
  EXPECT_EQ(stream.mode, StreamMode{0});
}

TEST(TextStreamOpenTest, PathTooLongIsRefusedNotCutShort) {
  TempDirectory scratch;
  std::string path = scratch.PathOf(std::string(300, 'n').c_str());
  std::string cut = path.substr(0, kStreamPathSize - 1);
  TextStream stream;
  BindTextStream(stream, path.c_str());
  CreateTextStream(stream);
  EXPECT_EQ(TakeIoResult(), 3);
  EXPECT_EQ(stream.mode, StreamMode::kClosed);
  EXPECT_FALSE(std::filesystem::exists(cut));
}

}  // namespace
}  // namespace zaveredo
