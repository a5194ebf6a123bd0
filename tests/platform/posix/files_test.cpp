#include "platform/files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <thread>

#include "tests/support/file_bytes.h"
#include "tests/support/temp_directory.h"

namespace zaveredo::platform {
namespace {

using test_support::FileBytes;
using test_support::PutFileBytes;

class FilesTest : public ::testing::Test {
 protected:
  std::string PathOf(const char* name) const { return directory_.PathOf(name); }
  static bool Write(Handle handle, const std::string& bytes) {
    std::uint32_t written = 0;
    bool ok = WriteFile(handle, bytes.data(), static_cast<std::uint32_t>(bytes.size()), &written);
    return ok && written == bytes.size();
  }
  static std::int64_t SizeOf(Handle handle) {
    std::int64_t size = -1;
    return GetFileSizeEx(handle, &size) ? size : -1;
  }
  // The position reached, or -1 when the move fails.
  static std::int64_t MoveTo(Handle handle, std::int64_t distance, std::uint32_t method) {
    std::int64_t position = -1;
    return SetFilePointerEx(handle, distance, method, &position) ? position : -1;
  }
  // The error code a child process gets when it opens the path; 0 when the open succeeds.
  static std::uint32_t CodeOfOpenInChild(const std::string& path, std::uint32_t access,
                                         std::uint32_t disposition) {
    pid_t child = ::fork();
    if (child == 0) {
      Handle handle = CreateFile(path.c_str(), access, disposition);
      ::_exit(handle == kInvalidHandle ? static_cast<int>(GetLastError()) : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? static_cast<std::uint32_t>(WEXITSTATUS(status)) : 255;
  }

  test_support::TempDirectory directory_;
};

TEST_F(FilesTest, FailuresCarryWin32Codes) {
  std::string file = PathOf("file.txt");
  PutFileBytes(file, "x");
  EXPECT_EQ(CreateFile(PathOf("absent.txt").c_str(), kGenericRead, kOpenExisting), kInvalidHandle);
  EXPECT_EQ(GetLastError(), kErrorFileNotFound);
  EXPECT_EQ(CreateFile((file + "/below").c_str(), kGenericWrite, kCreateAlways), kInvalidHandle);
  EXPECT_EQ(GetLastError(), kErrorPathNotFound);
  std::uint32_t written = 0;
  EXPECT_FALSE(WriteFile(987654, "x", 1, &written));
  EXPECT_EQ(GetLastError(), kErrorInvalidHandle);
}

TEST_F(FilesTest, DirectoryCannotBeOpenedAsAFile) {
  EXPECT_EQ(CreateFile(directory_.Path().c_str(), kGenericWrite, kCreateAlways), kInvalidHandle);
  EXPECT_EQ(GetLastError(), kErrorAccessDenied);
  EXPECT_EQ(CreateFile(directory_.Path().c_str(), kGenericRead, kOpenExisting), kInvalidHandle);
  EXPECT_EQ(GetLastError(), kErrorAccessDenied);
}

TEST_F(FilesTest, ReadOnlyFileRefusesWritersWithCode5EvenForTheSuperuser) {
  std::string file = PathOf("readonly.txt");
  PutFileBytes(file, "kept");
  ::chmod(file.c_str(), 0444);
  EXPECT_EQ(CreateFile(file.c_str(), kGenericWrite, kCreateAlways), kInvalidHandle);
  EXPECT_EQ(GetLastError(), kErrorAccessDenied);
  EXPECT_EQ(CreateFile(file.c_str(), kGenericRead | kGenericWrite, kOpenExisting), kInvalidHandle);
  EXPECT_EQ(GetLastError(), kErrorAccessDenied);
  EXPECT_EQ(FileBytes(file), "kept");
  Handle reader = CreateFile(file.c_str(), kGenericRead, kOpenExisting);
  EXPECT_NE(reader, kInvalidHandle);
  EXPECT_TRUE(CloseHandle(reader));
}

TEST_F(FilesTest, CreateAlwaysMakesOrEmptiesTheFile) {
  std::string file = PathOf("made.txt");
  Handle handle = CreateFile(file.c_str(), kGenericWrite, kCreateAlways);
  ASSERT_NE(handle, kInvalidHandle);
  EXPECT_TRUE(Write(handle, "one two three"));
  EXPECT_TRUE(CloseHandle(handle));
  handle = CreateFile(file.c_str(), kGenericWrite, kCreateAlways);
  ASSERT_NE(handle, kInvalidHandle);
  EXPECT_EQ(FileBytes(file), "");
  EXPECT_TRUE(CloseHandle(handle));
}

TEST_F(FilesTest, SecondWriterIsRefusedWith32AndEmptiesNothing) {
  std::string file = PathOf("held.txt");
  PutFileBytes(file, "earlier record;");
  Handle first = CreateFile(file.c_str(), kGenericRead | kGenericWrite, kOpenExisting);
  ASSERT_NE(first, kInvalidHandle);
  ASSERT_EQ(MoveTo(first, 0, kFileEnd), 15);
  ASSERT_TRUE(Write(first, "mine"));
  EXPECT_EQ(CodeOfOpenInChild(file, kGenericWrite, kCreateAlways), kErrorSharingViolation);
  EXPECT_EQ(CodeOfOpenInChild(file, kGenericRead | kGenericWrite, kOpenExisting),
            kErrorSharingViolation);
  EXPECT_EQ(CodeOfOpenInChild(file, kGenericRead, kOpenExisting), kErrorSharingViolation);
  EXPECT_EQ(FileBytes(file), "earlier record;mine");
  EXPECT_TRUE(CloseHandle(first));
  EXPECT_EQ(CodeOfOpenInChild(file, kGenericWrite, kCreateAlways), 0u);
}

TEST_F(FilesTest, ReadersShareTheFile) {
  std::string file = PathOf("shared.txt");
  PutFileBytes(file, "abc");
  Handle reader = CreateFile(file.c_str(), kGenericRead, kOpenExisting);
  ASSERT_NE(reader, kInvalidHandle);
  EXPECT_EQ(CodeOfOpenInChild(file, kGenericRead, kOpenExisting), 0u);
  EXPECT_EQ(CodeOfOpenInChild(file, kGenericWrite, kCreateAlways), kErrorSharingViolation);
  EXPECT_EQ(FileBytes(file), "abc");
  EXPECT_TRUE(CloseHandle(reader));
}

TEST_F(FilesTest, FileNeverTakesAClosedStandardDescriptor) {
  std::fflush(stdout);
  int saved = ::dup(STDOUT_FILENO);
  ::close(STDOUT_FILENO);
  Handle handle = CreateFile(PathOf("apart.txt").c_str(), kGenericWrite, kCreateAlways);
  ::dup2(saved, STDOUT_FILENO);
  ::close(saved);
  EXPECT_NE(handle, kInvalidHandle);
  EXPECT_GT(handle, 2);
  EXPECT_TRUE(CloseHandle(handle));
}

TEST_F(FilesTest, FullDeviceGivesDiskFull) {
  Handle handle = CreateFile("/dev/full", kGenericWrite, kCreateAlways);
  ASSERT_NE(handle, kInvalidHandle);
  EXPECT_EQ(GetFileType(handle), kFileTypeChar);
  EXPECT_FALSE(Write(handle, "x"));
  EXPECT_EQ(GetLastError(), kErrorDiskFull);
  EXPECT_TRUE(CloseHandle(handle));
}

TEST_F(FilesTest, WritingIntoAPipeWithoutReaderFailsWith232AndTheProcessLives) {
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  ::close(ends[0]);
  EXPECT_EQ(GetFileType(ends[1]), kFileTypePipe);
  EXPECT_FALSE(Write(ends[1], "into the void"));
  EXPECT_EQ(GetLastError(), kErrorNoData);
  ::close(ends[1]);
}

TEST_F(FilesTest, WriteDeliversEveryByteThroughAFullPipe) {
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  std::string bytes(300000, 'p');
  for (std::size_t i = 0; i < bytes.size(); i += 7) bytes[i] = static_cast<char>(i % 251);
  std::string received;
  std::thread reader([&] {
    char chunk[4096];
    std::uint32_t n = 0;
    while (ReadFile(ends[0], chunk, sizeof chunk, &n) && n > 0) received.append(chunk, n);
  });
  EXPECT_TRUE(Write(ends[1], bytes));
  ::close(ends[1]);
  reader.join();
  ::close(ends[0]);
  EXPECT_EQ(received, bytes);
}

TEST_F(FilesTest, FileTypesOfDiskFilesDevicesAndClosedHandles) {
  std::string file = PathOf("typed.txt");
  Handle handle = CreateFile(file.c_str(), kGenericWrite, kCreateAlways);
  EXPECT_EQ(GetFileType(handle), kFileTypeDisk);
  EXPECT_TRUE(CloseHandle(handle));
  EXPECT_EQ(GetFileType(handle), kFileTypeUnknown);
  Handle null = CreateFile("/dev/null", kGenericWrite, kCreateAlways);
  EXPECT_EQ(GetFileType(null), kFileTypeChar);
  EXPECT_TRUE(CloseHandle(null));
}

TEST_F(FilesTest, PositionSizeAndEndOfFile) {
  std::string file = PathOf("cut.txt");
  PutFileBytes(file, "0123456789");
  Handle handle = CreateFile(file.c_str(), kGenericRead | kGenericWrite, kOpenExisting);
  ASSERT_NE(handle, kInvalidHandle);
  EXPECT_EQ(SizeOf(handle), 10);
  EXPECT_EQ(MoveTo(handle, 6, kFileBegin), 6);
  char chunk[8] = {};
  std::uint32_t read = 0;
  EXPECT_TRUE(ReadFile(handle, chunk, sizeof chunk, &read));
  EXPECT_EQ(std::string(chunk, read), "6789");
  EXPECT_EQ(MoveTo(handle, -3, kFileEnd), 7);
  EXPECT_TRUE(SetEndOfFile(handle));
  EXPECT_EQ(SizeOf(handle), 7);
  EXPECT_EQ(MoveTo(handle, -1, kFileBegin), -1);
  EXPECT_EQ(GetLastError(), 131u);
  EXPECT_TRUE(CloseHandle(handle));
  EXPECT_EQ(FileBytes(file), "0123456");
}

TEST_F(FilesTest, AWriterIsRefusedWith32WhenTheFileIsStandardInput) {
  std::string file = PathOf("input.txt");
  PutFileBytes(file, "kept;");
  int saved = ::dup(STDIN_FILENO);
  int input = ::open(file.c_str(), O_RDONLY);
  ::dup2(input, STDIN_FILENO);
  ::close(input);
  Handle handle = CreateFile(file.c_str(), kGenericWrite, kCreateAlways);
  std::uint32_t code = GetLastError();
  ::dup2(saved, STDIN_FILENO);
  ::close(saved);
  EXPECT_EQ(handle, kInvalidHandle);
  EXPECT_EQ(code, kErrorSharingViolation);
  EXPECT_EQ(FileBytes(file), "kept;");
}

TEST_F(FilesTest, FindFirstFileTellsFilesFromDirectories) {
  std::string file = PathOf("present.txt");
  PutFileBytes(file, "");
  bool isDirectory = true;
  EXPECT_TRUE(FindFirstFile(file.c_str(), &isDirectory));
  EXPECT_FALSE(isDirectory);
  EXPECT_TRUE(FindFirstFile(directory_.Path().c_str(), &isDirectory));
  EXPECT_TRUE(isDirectory);
  EXPECT_FALSE(FindFirstFile(PathOf("absent").c_str(), &isDirectory));
  EXPECT_EQ(GetLastError(), kErrorFileNotFound);
  EXPECT_FALSE(FindFirstFile((file + "/below").c_str(), &isDirectory));
  EXPECT_EQ(GetLastError(), kErrorPathNotFound);
}

TEST_F(FilesTest, CurrentDirectoryIsAFullPathAndTheRootKeepsItsSlash) {
  char saved[4096];
  ASSERT_NE(::getcwd(saved, sizeof saved), nullptr);
  ASSERT_EQ(::chdir(directory_.Path().c_str()), 0);
  bool removed = true;
  std::string inside = GetCurrentDirectory(&removed);
  EXPECT_FALSE(removed);
  ASSERT_EQ(::chdir("/"), 0);
  std::string root = GetCurrentDirectory(&removed);
  ASSERT_EQ(::chdir(saved), 0);
  char resolved[4096];
  ASSERT_NE(::realpath(directory_.Path().c_str(), resolved), nullptr);
  EXPECT_EQ(inside, resolved);
  EXPECT_EQ(root, "/");
}

}  // namespace
}  // namespace zaveredo::platform
