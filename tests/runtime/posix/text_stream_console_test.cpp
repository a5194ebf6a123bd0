// The console streams on redirected standard descriptors: pipes, devices and odd handles.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "runtime/text/text_stream.h"
#include "tests/runtime/text/text_stream_test_support.h"

namespace zaveredo {
namespace {

using test_support::ReadLines;
using test_support::TakeIoResult;
using Lines = std::vector<std::string>;

int Waiting(int fd) {
  int count = 0;
  ::ioctl(fd, FIONREAD, &count);
  return count;
}

std::string Drain(int fd) {
  std::string bytes;
  char chunk[512];
  while (Waiting(fd) > 0) {
    ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n <= 0) break;
    bytes.append(chunk, static_cast<std::size_t>(n));
  }
  return bytes;
}

void WriteAll(int fd, const std::string& bytes) {
  ASSERT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
}

// Puts another descriptor in place of a standard one for the test's duration; results are
// checked after the restore, so failures print where they are seen.
class ConsoleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::fflush(stdout);
    std::fflush(stderr);
    TakeIoResult();
    RebindConsole();
  }
  void TearDown() override {
    Restore();
    RebindConsole();
    TakeIoResult();
    for (int fd : opened_) ::close(fd);
  }
  void Redirect(int standard, int replacement) {
    saved_.push_back({standard, ::dup(standard)});
    ::dup2(replacement, standard);
  }
  void Restore() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      ::dup2(it->second, it->first);
      ::close(it->second);
    }
    saved_.clear();
  }
  // A pipe whose ends are closed at the end of the test unless closed before.
  void MakePipe(int* readEnd, int* writeEnd) {
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    *readEnd = ends[0];
    *writeEnd = ends[1];
  }
  static void RebindConsole() {
    BindTextStream(StdInput(), "");
    BindTextStream(StdOutput(), "");
    BindTextStream(StdError(), "");
  }
  int Keep(int fd) {
    opened_.push_back(fd);
    return fd;
  }

  std::vector<std::pair<int, int>> saved_;
  std::vector<int> opened_;
};

TEST_F(ConsoleTest, InputOpensOnFirstReadAndEndsQuietly) {
  int in, out;
  MakePipe(&in, &out);
  WriteAll(out, "initials");
  ::close(out);
  Redirect(STDIN_FILENO, Keep(in));
  StreamMode before = StdInput().mode;
  Lines lines = ReadLines(StdInput(), 3);
  StreamMode after = StdInput().mode;
  std::int32_t code = TakeIoResult();
  Restore();
  EXPECT_EQ(before, StreamMode::kClosed);
  EXPECT_EQ(after, StreamMode::kInput);
  EXPECT_EQ(lines, (Lines{"initials", "", ""}));
  EXPECT_EQ(code, 0);
}

TEST_F(ConsoleTest, CrAtTheEndOfOneReadIsDecidedByTheNext) {
  int in, out;
  MakePipe(&in, &out);
  Redirect(STDIN_FILENO, Keep(in));
  std::thread writer([&] {
    WriteAll(out, "abc\r");
    while (Waiting(in) > 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    WriteAll(out, "\nnext\r");
    while (Waiting(in) > 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    WriteAll(out, "x\r\n");
    ::close(out);
  });
  Lines lines = ReadLines(StdInput(), 3);
  writer.join();
  std::int32_t code = TakeIoResult();
  Restore();
  EXPECT_EQ(lines, (Lines{"abc", "nextx", ""}));
  EXPECT_EQ(code, 0);
}

TEST_F(ConsoleTest, ByteTwentySixOnInputEndsEveryLaterRead) {
  int in, out;
  MakePipe(&in, &out);
  WriteAll(out, std::string("ab\x1A") + "more\r\n");
  Redirect(STDIN_FILENO, Keep(in));
  Lines lines = ReadLines(StdInput(), 3);  // would block if it read on past the mark
  SkipLine(StdInput());
  std::int32_t code = TakeIoResult();
  Restore();
  ::close(out);
  EXPECT_EQ(lines, (Lines{"ab", "", ""}));
  EXPECT_EQ(code, 0);
}

TEST_F(ConsoleTest, FailingReadIsPendingAndGivesAnEmptyLine) {
  int writeOnly = Keep(::open("/dev/null", O_WRONLY | O_CLOEXEC));
  Redirect(STDIN_FILENO, writeOnly);
  std::string line = ReadLineText(StdInput());
  std::int32_t code = TakeIoResult();
  Restore();
  EXPECT_EQ(line, "");
  EXPECT_EQ(code, 6);
}

TEST_F(ConsoleTest, OutputIntoAPipeTravelsIn128ByteBlocks) {
  int in, out;
  MakePipe(&in, &out);
  Keep(in);
  Redirect(STDOUT_FILENO, Keep(out));
  WriteText(StdOutput(), std::string(100, 'a'));
  FinishWrite(StdOutput());
  int afterFirst = Waiting(in);
  WriteText(StdOutput(), std::string(100, 'b'));
  WriteLineEnd(StdOutput());
  int afterSecond = Waiting(in);
  CloseConsoleStreams();
  StreamMode modeAfterClose = StdOutput().mode;
  bool handleOpen = ::fcntl(STDOUT_FILENO, F_GETFD) != -1;
  std::string bytes = Drain(in);
  std::int32_t code = TakeIoResult();
  Restore();
  EXPECT_EQ(afterFirst, 0);
  EXPECT_EQ(afterSecond, 128);
  EXPECT_EQ(bytes, std::string(100, 'a') + std::string(100, 'b') + "\r\n");
  EXPECT_EQ(modeAfterClose, StreamMode::kOutput);
  EXPECT_TRUE(handleOpen);
  EXPECT_NE(code, 105);
}

TEST_F(ConsoleTest, WaitingOutputCanBeWrittenOutBeforeAReport) {
  int in, out;
  MakePipe(&in, &out);
  Keep(in);
  Redirect(STDOUT_FILENO, Keep(out));
  WriteText(StdOutput(), "label :  ");
  FinishWrite(StdOutput());
  int before = Waiting(in);
  WriteOutStdOutput();
  std::string bytes = Drain(in);
  Restore();
  EXPECT_EQ(before, 0);
  EXPECT_EQ(bytes, "label :  ");
}

TEST_F(ConsoleTest, CharacterDeviceGetsEveryStatementAtOnce) {
  int full = Keep(::open("/dev/full", O_WRONLY | O_CLOEXEC));
  Redirect(STDOUT_FILENO, full);
  WriteText(StdOutput(), "ab");
  std::int32_t whileBuffered = TakeIoResult();
  FinishWrite(StdOutput());
  std::int32_t afterStatement = TakeIoResult();
  Restore();
  EXPECT_EQ(whileBuffered, 0);
  EXPECT_EQ(afterStatement, 112);
}

TEST_F(ConsoleTest, OutputIntoAClosedPipeFailsWith232) {
  int in, out;
  MakePipe(&in, &out);
  ::close(in);
  Redirect(STDOUT_FILENO, Keep(out));
  WriteText(StdOutput(), std::string(128, 'z'));
  std::int32_t code = TakeIoResult();
  std::uint32_t waiting = StdOutput().bufferPos;
  Restore();
  EXPECT_EQ(code, 232);
  EXPECT_EQ(waiting, 0u);
}

TEST_F(ConsoleTest, OutputOnAHandleOfUnknownTypeIsRefusedWith105) {
  int directory = Keep(::open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  Redirect(STDOUT_FILENO, directory);
  WriteText(StdOutput(), "x");
  std::int32_t code = TakeIoResult();
  StreamMode mode = StdOutput().mode;
  Restore();
  EXPECT_EQ(code, 105);
  EXPECT_EQ(mode, StreamMode::kClosed);
}

TEST_F(ConsoleTest, StandardErrorWritesToItsOwnDescriptor) {
  int outRead, outWrite, errRead, errWrite;
  MakePipe(&outRead, &outWrite);
  MakePipe(&errRead, &errWrite);
  Keep(outRead);
  Keep(errRead);
  Redirect(STDOUT_FILENO, Keep(outWrite));
  Redirect(STDERR_FILENO, Keep(errWrite));
  WriteText(StdError(), "report");
  WriteLineEnd(StdError());
  CloseTextStream(StdError());
  std::string onError = Drain(errRead);
  int onOutput = Waiting(outRead);
  Restore();
  EXPECT_EQ(onError, "report\r\n");
  EXPECT_EQ(onOutput, 0);
}

TEST_F(ConsoleTest, ClosingUnopenedConsoleStreams) {
  CloseTextStream(StdInput());
  std::int32_t input = TakeIoResult();
  CloseTextStream(StdOutput());
  std::int32_t output = TakeIoResult();
  FinishWrite(StdOutput());
  std::int32_t finish = TakeIoResult();
  EXPECT_EQ(input, 0);
  EXPECT_EQ(output, 103);
  EXPECT_EQ(finish, 0);
}

}  // namespace
}  // namespace zaveredo
