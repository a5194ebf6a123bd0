// A file that opens but fails while it is read is an error, not a shorter file.
#include <gtest/gtest.h>

#include "auswertung/collection.h"

namespace zaveredo::auswertung {
namespace {

TEST(UnreadableFileTest, AReadErrorNamesTheFile) {
  // The process's own memory file opens, and reading its first page fails: nothing is mapped
  // there.
  const Collection collection = ReadCollection({"/proc/self/mem"});
  ASSERT_EQ(collection.errors.size(), 1u);
  EXPECT_EQ(collection.errors[0].file, "/proc/self/mem");
  EXPECT_EQ(collection.errors[0].reason.rfind("Kann nicht gelesen werden (Fehler ", 0), 0u)
      << collection.errors[0].reason;
}

TEST(UnreadableFileTest, AnEndlessLineStopsTheFileAtABoundInsteadOfFillingTheMemory) {
  const Collection collection = ReadCollection({"/dev/zero"});
  ASSERT_EQ(collection.errors.size(), 1u);
  EXPECT_NE(collection.errors[0].reason.find("länger als jeder Datensatz"), std::string::npos)
      << collection.errors[0].reason;
}

}  // namespace
}  // namespace zaveredo::auswertung
