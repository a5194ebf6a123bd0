// The file calls against the real file system: dispositions, sharing, the append-mode
// primitives, pipes, the current directory and the presence test.
#include "platform/files.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/windows_api.h"
#include "tests/support/temp_directory.h"

namespace zaveredo::platform {
namespace {

std::string Contents(const std::string& path) {
  Handle file = CreateFile(path.c_str(), kGenericRead, kOpenExisting);
  EXPECT_NE(file, kInvalidHandle) << path;
  std::string text;
  char buffer[64];
  std::uint32_t read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read) && read > 0) text.append(buffer, read);
  CloseHandle(file);
  return text;
}

std::int64_t SizeOf(Handle file) {
  std::int64_t size = -1;
  return GetFileSizeEx(file, &size) ? size : -1;
}

// The position reached, or -1 when the move fails.
std::int64_t MoveTo(Handle file, std::int64_t distance, std::uint32_t method) {
  std::int64_t position = -1;
  return SetFilePointerEx(file, distance, method, &position) ? position : -1;
}

void Write(Handle file, const std::string& text) {
  std::uint32_t written = 0;
  ASSERT_TRUE(WriteFile(file, text.data(), static_cast<std::uint32_t>(text.size()), &written));
  ASSERT_EQ(written, text.size());
}

TEST(Win32Files, CreateAlwaysTruncatesAndOpenExistingRefusesMissingFiles) {
  test_support::TempDirectory dir;
  std::string path = dir.PathOf("data.txt");
  EXPECT_EQ(CreateFile(path.c_str(), kGenericRead, kOpenExisting), kInvalidHandle);
  EXPECT_EQ(GetLastError(), kErrorFileNotFound);
  EXPECT_EQ(CreateFile(dir.PathOf("no\\such.txt").c_str(), kGenericWrite, kCreateAlways),
            kInvalidHandle);
  EXPECT_EQ(GetLastError(), kErrorPathNotFound);

  Handle file = CreateFile(path.c_str(), kGenericWrite, kCreateAlways);
  ASSERT_NE(file, kInvalidHandle);
  Write(file, "first contents");
  EXPECT_EQ(GetFileType(file), kFileTypeDisk);
  ASSERT_TRUE(CloseHandle(file));

  file = CreateFile(path.c_str(), kGenericWrite, kCreateAlways);
  ASSERT_NE(file, kInvalidHandle);
  EXPECT_EQ(SizeOf(file), 0);
  Write(file, "new");
  CloseHandle(file);
  EXPECT_EQ(Contents(path), "new");
}

TEST(Win32Files, AWriterHoldsTheFileAgainstWritersButLetsReadersIn) {
  test_support::TempDirectory dir;
  std::string path = dir.PathOf("held.txt");
  Handle writer = CreateFile(path.c_str(), kGenericWrite, kCreateAlways);
  ASSERT_NE(writer, kInvalidHandle);
  Write(writer, "kept");

  EXPECT_EQ(CreateFile(path.c_str(), kGenericWrite, kCreateAlways), kInvalidHandle);
  EXPECT_EQ(GetLastError(), kErrorSharingViolation);
  EXPECT_EQ(CreateFile(path.c_str(), kGenericRead | kGenericWrite, kOpenExisting), kInvalidHandle);
  EXPECT_EQ(GetLastError(), kErrorSharingViolation);
  // The refused CREATE_ALWAYS truncated nothing; a reader that shares writing gets in.
  HANDLE reader = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  EXPECT_EQ(::GetFileSize(reader, nullptr), 4u);
  ::CloseHandle(reader);
  CloseHandle(writer);

  Handle again = CreateFile(path.c_str(), kGenericWrite, kCreateAlways);
  EXPECT_NE(again, kInvalidHandle);
  CloseHandle(again);
}

TEST(Win32Files, ADirectoryIsRefusedWithAccessDenied) {
  test_support::TempDirectory dir;
  std::string path = dir.PathOf("zaveredo2.txt");
  ASSERT_TRUE(::CreateDirectoryA(path.c_str(), nullptr));
  EXPECT_EQ(CreateFile(path.c_str(), kGenericWrite, kCreateAlways), kInvalidHandle);
  EXPECT_EQ(GetLastError(), kErrorAccessDenied);
  EXPECT_EQ(CreateFile(path.c_str(), kGenericRead | kGenericWrite, kOpenExisting), kInvalidHandle);
  EXPECT_EQ(GetLastError(), kErrorAccessDenied);
}

TEST(Win32Files, PointerMovesAndEndOfFileCutsWhereAppendingNeedsThem) {
  test_support::TempDirectory dir;
  std::string path = dir.PathOf("tail.txt");
  Handle file = CreateFile(path.c_str(), kGenericWrite, kCreateAlways);
  Write(file,
        "0123456789\x1A"
        "abc");
  CloseHandle(file);

  file = CreateFile(path.c_str(), kGenericRead | kGenericWrite, kOpenExisting);
  ASSERT_NE(file, kInvalidHandle);
  EXPECT_EQ(SizeOf(file), 14);
  EXPECT_EQ(MoveTo(file, 4, kFileBegin), 4);
  char tail[16];
  std::uint32_t read = 0;
  ASSERT_TRUE(ReadFile(file, tail, sizeof tail, &read));
  EXPECT_EQ(std::string(tail, read), std::string("456789\x1A"
                                                 "abc"));
  // Back from the end to the mark: index 6 of 10 bytes read.
  EXPECT_EQ(MoveTo(file, 6 - 10, kFileEnd), 10);
  ASSERT_TRUE(SetEndOfFile(file));
  Write(file, "!");
  CloseHandle(file);
  EXPECT_EQ(Contents(path), "0123456789!");

  EXPECT_EQ(MoveTo(kInvalidHandle, 0, kFileBegin), -1);
  EXPECT_EQ(GetLastError(), kErrorInvalidHandle);
  EXPECT_EQ(SizeOf(kInvalidHandle), -1);
  EXPECT_EQ(GetLastError(), kErrorInvalidHandle);
}

TEST(Win32Files, APipeReportsItsTypeAndABrokenPipeAsError109) {
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  ASSERT_TRUE(::CreatePipe(&readEnd, &writeEnd, nullptr, 0));
  Handle reader = reinterpret_cast<Handle>(readEnd);
  Handle writer = reinterpret_cast<Handle>(writeEnd);
  EXPECT_EQ(GetFileType(reader), kFileTypePipe);
  Write(writer, "xy");
  ASSERT_TRUE(CloseHandle(writer));

  char buffer[8];
  std::uint32_t read = 0;
  ASSERT_TRUE(ReadFile(reader, buffer, sizeof buffer, &read));
  EXPECT_EQ(std::string(buffer, read), "xy");
  read = 99;
  EXPECT_FALSE(ReadFile(reader, buffer, sizeof buffer, &read));
  EXPECT_EQ(GetLastError(), kErrorBrokenPipe);
  EXPECT_EQ(read, 0u);
  CloseHandle(reader);
}

TEST(Win32Files, StandardHandlesAreTheProcessOnes) {
  EXPECT_EQ(GetStdHandle(kStdOutputHandle),
            reinterpret_cast<Handle>(::GetStdHandle(STD_OUTPUT_HANDLE)));
  EXPECT_EQ(GetStdHandle(kStdErrorHandle),
            reinterpret_cast<Handle>(::GetStdHandle(STD_ERROR_HANDLE)));
  EXPECT_EQ(GetStdHandle(kStdInputHandle),
            reinterpret_cast<Handle>(::GetStdHandle(STD_INPUT_HANDLE)));
  EXPECT_NE(GetStdHandle(kStdOutputHandle), GetStdHandle(kStdInputHandle));
}

class Win32CurrentDirectory : public ::testing::Test {
 protected:
  void SetUp() override { ::GetCurrentDirectoryA(sizeof saved_, saved_); }
  void TearDown() override { ::SetCurrentDirectoryA(saved_); }
  char saved_[MAX_PATH];
};

TEST_F(Win32CurrentDirectory, HasNoTrailingBackslashExceptAtADriveRoot) {
  test_support::TempDirectory dir;
  ASSERT_TRUE(::SetCurrentDirectoryA(dir.Path().c_str()));
  bool removed = true;
  std::string current = GetCurrentDirectory(&removed);
  EXPECT_FALSE(removed);
  ASSERT_FALSE(current.empty());
  EXPECT_NE(current.back(), '\\');
  EXPECT_EQ(current.substr(1, 2), ":\\");
  // Same directory as the one entered, whatever the case or short form the system keeps.
  char full[MAX_PATH];
  ::GetFullPathNameA(dir.Path().c_str(), sizeof full, full, nullptr);
  EXPECT_EQ(::lstrcmpiA(current.c_str(), full), 0) << current << " vs " << full;

  ASSERT_TRUE(::SetCurrentDirectoryA("C:\\"));
  EXPECT_EQ(GetCurrentDirectory(&removed), "C:\\");
}

TEST(Win32FindFirstFile, TellsFilesFromDirectoriesAndMissingNames) {
  test_support::TempDirectory dir;
  std::string file = dir.PathOf("zaveredo2.txt");
  CloseHandle(CreateFile(file.c_str(), kGenericWrite, kCreateAlways));
  bool isDirectory = true;
  EXPECT_TRUE(FindFirstFile(file.c_str(), &isDirectory));
  EXPECT_FALSE(isDirectory);

  std::string sub = dir.PathOf("sub");
  ::CreateDirectoryA(sub.c_str(), nullptr);
  EXPECT_TRUE(FindFirstFile(sub.c_str(), &isDirectory));
  EXPECT_TRUE(isDirectory);

  EXPECT_FALSE(FindFirstFile(dir.PathOf("missing.txt").c_str(), &isDirectory));
  EXPECT_EQ(GetLastError(), kErrorFileNotFound);
  EXPECT_FALSE(FindFirstFile(dir.PathOf("missing\\file.txt").c_str(), &isDirectory));
  EXPECT_EQ(GetLastError(), kErrorPathNotFound);
}

TEST(Win32FindFirstFile, AFileDatedOutsideTheDosRangeStillExists) {
  test_support::TempDirectory dir;
  std::string path = dir.PathOf("old.txt");
  for (WORD year : {1601, 1970, 2200}) {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    SYSTEMTIME when = {};
    when.wYear = year;
    when.wMonth = 1;
    when.wDay = 2;
    FILETIME stamp;
    ASSERT_TRUE(::SystemTimeToFileTime(&when, &stamp));
    ASSERT_TRUE(::SetFileTime(file, &stamp, &stamp, &stamp));
    ::CloseHandle(file);

    bool isDirectory = true;
    EXPECT_TRUE(FindFirstFile(path.c_str(), &isDirectory)) << year;
    EXPECT_FALSE(isDirectory);
  }
}

}  // namespace
}  // namespace zaveredo::platform
