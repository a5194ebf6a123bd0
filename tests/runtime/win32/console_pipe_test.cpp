// Standard input and output on Windows pipes. A pipe whose writer has gone fails the read with
// ERROR_BROKEN_PIPE, which is the end of the input and no error. Each case runs in a child
// process, whose console streams are still unopened.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/windows_api.h"
#include "runtime/text/text_stream.h"
#include "tests/runtime/text/text_stream_test_support.h"

namespace zaveredo {
namespace {

HANDLE PipeHolding(const std::string& bytes, HANDLE* writeEnd) {
  HANDLE readEnd = nullptr;
  if (!::CreatePipe(&readEnd, writeEnd, nullptr, 4096)) ::ExitProcess(90);
  DWORD written = 0;
  if (!bytes.empty() &&
      !::WriteFile(*writeEnd, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
    ::ExitProcess(91);
  return readEnd;
}

// Exit code 0 when the lines read are as expected and no I/O error is pending, else 1.
void ReadThroughABrokenPipe() {
  HANDLE writeEnd = nullptr;
  ::SetStdHandle(STD_INPUT_HANDLE, PipeHolding("abc\r\nxy", &writeEnd));
  ::CloseHandle(writeEnd);
  std::vector<std::string> lines = test_support::ReadLines(StdInput(), 3);
  bool ok = lines == std::vector<std::string>{"abc", "xy", ""} && test_support::TakeIoResult() == 0;
  ::ExitProcess(ok ? 0 : 1);
}

TEST(Win32ConsolePipeDeathTest, ABrokenPipeEndsTheInputWithoutAnError) {
  EXPECT_EXIT(ReadThroughABrokenPipe(), ::testing::ExitedWithCode(0), "");
}

// Standard output into a pipe: the bytes arrive unchanged, in 128-byte blocks.
void WriteIntoAPipe() {
  HANDLE writeEnd = nullptr;
  HANDLE readEnd = PipeHolding("", &writeEnd);
  ::SetStdHandle(STD_OUTPUT_HANDLE, writeEnd);
  std::string text(127, 'x');
  text += "\xFC";  // the 128th byte fills the buffer
  WriteText(StdOutput(), text);
  WriteText(StdOutput(), "rest");
  FinishWrite(StdOutput());
  if (test_support::TakeIoResult() != 0) ::ExitProcess(2);
  char buffer[256];
  DWORD available = 0;
  ::PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr);
  if (available != 128) ::ExitProcess(3);
  DWORD read = 0;
  ::ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr);
  ::ExitProcess(std::string(buffer, read) == text ? 0 : 4);
}

TEST(Win32ConsolePipeDeathTest, OutputReachesAPipeByteForByteInWholeBlocks) {
  EXPECT_EXIT(WriteIntoAPipe(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace zaveredo
