#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/text/text_stream.h"
#include "runtime/text/text_stream_internal.h"
#include "tests/runtime/text/text_stream_test_support.h"

namespace zaveredo {
namespace {

using test_support::PutFileBytes;
using test_support::ReadLines;
using test_support::TakeIoResult;
using test_support::TempDirectory;
using Lines = std::vector<std::string>;

class TextStreamReadTest : public ::testing::Test {
 protected:
  void SetUp() override { TakeIoResult(); }
  void TearDown() override {
    if (stream_.mode != StreamMode::kClosed) CloseTextStream(stream_);
    TakeIoResult();
  }
  void Open(const std::string& bytes, std::uint16_t lineFlags = kDefaultLineStyle) {
    std::string path = scratch_.PathOf("in.txt");
    PutFileBytes(path, bytes);
    BindTextStream(stream_, path.c_str());
    stream_.lineFlags = lineFlags;
    // The program reads standard input only; a file opened for input feeds the same reading.
    text_stream::OpenTextStream(stream_, StreamMode::kInput);
    ASSERT_EQ(TakeIoResult(), 0);
    ASSERT_EQ(stream_.mode, StreamMode::kInput);
  }
  char NextUnread() const { return stream_.bufferPtr[stream_.bufferPos]; }

  TempDirectory scratch_;
  TextStream stream_;
};

TEST_F(TextStreamReadTest, CrLfStaysUnreadForSkipLine) {
  Open("abc\r\nde\r\n");
  EXPECT_EQ(ReadLineText(stream_), "abc");
  EXPECT_EQ(NextUnread(), '\r');
  SkipLine(stream_);
  EXPECT_EQ(NextUnread(), 'd');
  EXPECT_EQ(ReadLines(stream_, 2), (Lines{"de", ""}));
  EXPECT_EQ(TakeIoResult(), 0);
}

TEST_F(TextStreamReadTest, LfAloneEndsALine) {
  Open("abc\nxyz\n");
  EXPECT_EQ(ReadLineText(stream_), "abc");
  EXPECT_EQ(NextUnread(), '\n');
  EXPECT_EQ(ReadLineText(stream_), "");  // the line end stays until skipped
  SkipLine(stream_);
  EXPECT_EQ(ReadLines(stream_, 1), (Lines{"xyz"}));
}

TEST_F(TextStreamReadTest, LoneCrIsDroppedAndDoesNotEndTheLine) {
  Open("a\rb\r\nx\ry\rz\n");
  EXPECT_EQ(ReadLines(stream_, 2), (Lines{"ab", "xyz"}));
}

TEST_F(TextStreamReadTest, SkipLineGoesOnAfterALoneCr) {
  Open("one\rtwo\r\nthree\r\n");
  SkipLine(stream_);
  EXPECT_EQ(ReadLines(stream_, 1), (Lines{"three"}));
}

TEST_F(TextStreamReadTest, EmptyLinesAreEmptyStrings) {
  Open("\r\n\n\r\nlast");
  EXPECT_EQ(ReadLines(stream_, 4), (Lines{"", "", "", "last"}));
}

TEST_F(TextStreamReadTest, CrLfAcrossTwoBufferFills) {
  Open(std::string(127, 'x') + "\r\nnext\r\n");
  EXPECT_EQ(ReadLines(stream_, 3), (Lines{std::string(127, 'x'), "next", ""}));
}

TEST_F(TextStreamReadTest, CrEndingAFillBeforeAnotherByteIsDropped) {
  Open(std::string(127, 'x') + "\ryz\r\n");
  EXPECT_EQ(ReadLines(stream_, 1), (Lines{std::string(127, 'x') + "yz"}));
}

TEST_F(TextStreamReadTest, CrEndingAFillSkipsOnWithTheNextByte) {
  Open(std::string(127, 'x') + "\ryz\r\nw");
  SkipLine(stream_);
  EXPECT_EQ(ReadLines(stream_, 1), (Lines{"w"}));
}

TEST_F(TextStreamReadTest, LongLinesAreReadWhole) {
  std::string line300;
  for (int i = 0; i < 300; ++i) line300 += static_cast<char>('a' + i % 26);
  std::string line600(600, 'q');
  Open(line300 + "\r\n" + line600 + "\nend");
  EXPECT_EQ(ReadLines(stream_, 3), (Lines{line300, line600, "end"}));
}

TEST_F(TextStreamReadTest, ABoundedReadKeepsTheStartAndDropsTheRestOfTheLine) {
  std::string line(1000, 'x');
  line[254] = 'y';
  Open(line + "\r\nnext\n");
  EXPECT_EQ(ReadLineText(stream_, 255), line.substr(0, 255));
  EXPECT_EQ(NextUnread(), '\r');  // the line end stays for SkipLine, as with an unbounded read
  SkipLine(stream_);
  EXPECT_EQ(ReadLineText(stream_, 2), "ne");
}

TEST_F(TextStreamReadTest, EndOfInputGivesThePartialLineThenEmptyOnes) {
  Open("partial");
  EXPECT_EQ(ReadLines(stream_, 3), (Lines{"partial", "", ""}));
  EXPECT_EQ(TakeIoResult(), 0);
  // The end is remembered as a byte 26 behind the last one read.
  EXPECT_EQ(NextUnread(), 26);
}

TEST_F(TextStreamReadTest, EmptyInputGivesEmptyLinesWithoutError) {
  Open("");
  EXPECT_EQ(ReadLines(stream_, 2), (Lines{"", ""}));
  EXPECT_EQ(TakeIoResult(), 0);
}

TEST_F(TextStreamReadTest, ByteTwentySixEndsTheTextForGood) {
  Open(std::string("ab\x1A") + "cd\r\nef\r\n");
  EXPECT_EQ(ReadLines(stream_, 3), (Lines{"ab", "", ""}));
  EXPECT_EQ(NextUnread(), 26);
  EXPECT_EQ(TakeIoResult(), 0);
}

TEST_F(TextStreamReadTest, ByteTwentySixAfterACrEndsTheLine) {
  Open(std::string("ab\r\x1A") + "cd\r\n");
  EXPECT_EQ(ReadLines(stream_, 2), (Lines{"ab", ""}));
}

TEST_F(TextStreamReadTest, ByteTwentySixIsPlainDataWithLfLineEnds) {
  Open(std::string("ab\x1A") + "cd\nef", 0);
  EXPECT_EQ(ReadLines(stream_, 3), (Lines{"ab\x1A"
                                          "cd",
                                          "ef", ""}));
}

TEST_F(TextStreamReadTest, HighBytesPassUnchanged) {
  Open("K\xFCrzel\xFF\x80\r\n");
  EXPECT_EQ(ReadLines(stream_, 1), (Lines{"K\xFCrzel\xFF\x80"}));
}

TEST_F(TextStreamReadTest, MissingFileFailsWithCode2) {
  BindTextStream(stream_, scratch_.PathOf("absent.txt").c_str());
  text_stream::OpenTextStream(stream_, StreamMode::kInput);
  EXPECT_EQ(TakeIoResult(), 2);
  EXPECT_EQ(stream_.mode, StreamMode::kClosed);
}

TEST_F(TextStreamReadTest, StreamNotOpenForInputRefusesReads) {
  std::string path = scratch_.PathOf("out.txt");
  BindTextStream(stream_, path.c_str());
  EXPECT_EQ(ReadLineText(stream_), "");
  EXPECT_EQ(TakeIoResult(), 104);
  CreateTextStream(stream_);
  SkipLine(stream_);
  EXPECT_EQ(TakeIoResult(), 104);
}

TEST_F(TextStreamReadTest, InputStreamClosesWithoutWritingAndFinishWriteIsIgnored) {
  Open("abc");
  FinishWrite(stream_);
  EXPECT_EQ(TakeIoResult(), 0);
  CloseTextStream(stream_);
  EXPECT_EQ(TakeIoResult(), 0);
  EXPECT_EQ(stream_.mode, StreamMode::kClosed);
}

}  // namespace
}  // namespace zaveredo
