#include "runtime/text/file_services.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/files.h"
#include "runtime/format/left_chars.h"
#include "tests/runtime/text/text_stream_test_support.h"

namespace zaveredo {
namespace {

using test_support::PutFileBytes;
using test_support::TakeIoResult;
using test_support::TempDirectory;

TEST(LeftCharsTest, KeepsTheFirstCountCharacters) {
  EXPECT_EQ(LeftChars("ABCDEFGHIJ", 8), "ABCDEFGH");
  EXPECT_EQ(LeftChars("ABCDEFGHIJ", 1), "A");
  EXPECT_EQ(LeftChars("ABCDEFGHIJ", 10), "ABCDEFGHIJ");
}

TEST(LeftCharsTest, CountOutsideTheTextGivesNoneOrAll) {
  EXPECT_EQ(LeftChars("ABCDEFGHIJ", 0), "");
  EXPECT_EQ(LeftChars("ABCDEFGHIJ", -1), "");
  EXPECT_EQ(LeftChars("ABCDEFGHIJ", 20), "ABCDEFGHIJ");
  EXPECT_EQ(LeftChars("", 8), "");
}

TEST(LeftUnitsTest, NeverSplitsASurrogatePair) {
  const std::u16string text = u"a\U0001F600b";  // a, pair, b
  ASSERT_EQ(text.size(), 4u);
  EXPECT_EQ(LeftUnits(text, 1), u"a");
  EXPECT_EQ(LeftUnits(text, 2), u"a");
  EXPECT_EQ(LeftUnits(text, 3), u"a\U0001F600");
  EXPECT_EQ(LeftUnits(text, 4), text);
  EXPECT_EQ(LeftUnits(u"\U0001F600", 1), u"");
}

TEST(FileIsPresentTest, TrueOnlyForAnExistingFile) {
  TempDirectory scratch;
  std::string file = scratch.PathOf("zaveredo2.txt");
  EXPECT_FALSE(FileIsPresent(file.c_str()));
  PutFileBytes(file, "");
  EXPECT_TRUE(FileIsPresent(file.c_str()));
  EXPECT_FALSE(FileIsPresent(scratch.Path().c_str()));
  std::string directory = scratch.PathOf("folder");
  std::filesystem::create_directory(directory);
  EXPECT_FALSE(FileIsPresent(directory.c_str()));
  EXPECT_FALSE(FileIsPresent(""));
}

TEST(FileIsPresentTest, OnlyNoSuchFileOrPathMeansAbsentAnyOtherFailureIsPending) {
  TempDirectory scratch;
  EXPECT_FALSE(FileIsPresent(scratch.PathOf("missing/file.txt").c_str()));
  EXPECT_EQ(TakeIoResult(), 0);
  // A name longer than any file system allows: the search fails without saying "no such file".
  EXPECT_FALSE(FileIsPresent(scratch.PathOf(std::string(300, 'n').c_str()).c_str()));
  EXPECT_EQ(TakeIoResult(), 206);  // ERROR_FILENAME_EXCED_RANGE
}

TEST(FileIsPresentTest, AFileWithATimeStampOutsideTheDosRangeIsPresent) {
  TempDirectory scratch;
  std::string file = scratch.PathOf("old.txt");
  PutFileBytes(file, "kept");
  auto longAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24 * 365 * 60);
  std::filesystem::last_write_time(file, longAgo);
  EXPECT_TRUE(FileIsPresent(file.c_str()));
}

TEST(NameLeadsToStreamTest, OnlyTheNameOfTheStreamsOwnFile) {
  TempDirectory scratch;
  std::string held = scratch.PathOf("held.txt");
  std::string other = scratch.PathOf("other.txt");
  PutFileBytes(held, "same bytes");
  PutFileBytes(other, "same bytes");
  TextStream stream;
  BindTextStream(stream, held.c_str());
  AppendTextStream(stream);
  ASSERT_EQ(TakeIoResult(), 0);
  EXPECT_TRUE(NameLeadsToStream(held.c_str(), stream));
  EXPECT_FALSE(NameLeadsToStream(other.c_str(), stream));
  EXPECT_FALSE(NameLeadsToStream(scratch.PathOf("missing.txt").c_str(), stream));
  EXPECT_FALSE(NameLeadsToStream(scratch.PathOf("missing/held.txt").c_str(), stream));
  EXPECT_EQ(TakeIoResult(), 0);
  CloseTextStream(stream);
}

TEST(CurrentDirectoryTest, IsTheProcessDirectoryWithoutTrailingSeparator) {
  bool removed = true;
  std::string directory = platform::GetCurrentDirectory(&removed);
  EXPECT_FALSE(removed);
  EXPECT_EQ(std::filesystem::path(directory), std::filesystem::current_path());
  ASSERT_FALSE(directory.empty());
  if (directory.size() > 3) {
    EXPECT_NE(directory.back(), '/');
    EXPECT_NE(directory.back(), '\\');
  }
}

}  // namespace
}  // namespace zaveredo
