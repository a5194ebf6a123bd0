#include "driver/record.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "driver/statements.h"
#include "runtime/errors/errors.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_directory.h"

namespace zaveredo {
namespace {

using test_support::FileBytes;
using test_support::PutFileBytes;
using test_support::TempDirectory;

class RecordTest : public ::testing::Test {
 protected:
  TempDirectory directory_{TempDirectory::Use::kAsCurrent};
  ResultsFile file_;
};

TEST_F(RecordTest, AMissingFileIsCreatedAndTheRecordStartsAtItsFirstByte) {
  OpenResultsFile(file_);
  WriteField(file_, "AuthenticAMD");
  WriteField(file_, "");
  CloseResultsFile(file_);
  EXPECT_EQ(FileBytes(kResultsFileName), "AuthenticAMD;;");
}

TEST_F(RecordTest, AnExistingFileKeepsItsBytesAndGetsOneLineEndBeforeTheRecord) {
  const std::string old = "alt;1,0000;\r\nnoch;";
  PutFileBytes(kResultsFileName, old);
  OpenResultsFile(file_);
  WriteField(file_, "neu;mit;Trennern");
  CloseResultsFile(file_);
  EXPECT_EQ(FileBytes(kResultsFileName), old + "\r\nneu;mit;Trennern;");
}

TEST_F(RecordTest, AnEmptyExistingFileIsAppendedTo) {
  PutFileBytes(kResultsFileName, "");
  OpenResultsFile(file_);
  WriteField(file_, "x");
  CloseResultsFile(file_);
  EXPECT_EQ(FileBytes(kResultsFileName), "\r\nx;");
}

TEST_F(RecordTest, FieldsWaitInTheBufferUntilTheFileIsClosed) {
  OpenResultsFile(file_);
  WriteField(file_, std::string(100, 'a'));
  EXPECT_EQ(FileBytes(kResultsFileName), "");
  WriteField(file_, std::string(40, 'b'));
  // 142 bytes written: one 128-byte block has left the buffer.
  EXPECT_EQ(FileBytes(kResultsFileName), std::string(100, 'a') + ";" + std::string(27, 'b'));
  CloseResultsFile(file_);
  EXPECT_EQ(FileBytes(kResultsFileName).size(), 142u);
}

TEST_F(RecordTest, ADirectoryOfTheFileNameIsRefused) {
  std::filesystem::create_directory(kResultsFileName);
  try {
    OpenResultsFile(file_);
    FAIL() << "opened a directory for writing";
  } catch (const Error& error) {
    EXPECT_EQ(error.Kind(), ErrorKind::EInOutError);
    EXPECT_EQ(error.IoErrorCode(), 5);
    EXPECT_STREQ(error.Message(), "Dateizugriff verweigert");
  }
}

}  // namespace
}  // namespace zaveredo
