// Files that open but cannot be read, or cannot be opened for reading: each is named with its
// own reason, and no file is read without bound.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>

#include "auswertung/model/collection.h"
#include "tests/auswertung/fixture.h"
#include "tests/auswertung/invoke.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_directory.h"

namespace zaveredo::auswertung {
namespace {

using test_support::Holds;
using test_support::Invoke;
using zaveredo::test_support::PutFileBytes;
using zaveredo::test_support::TempDirectory;

TEST(UnreadableFileTest, AReadErrorNamesTheFile) {
  // The process's own memory file opens, and reading its first page fails: nothing is mapped
  // there.
  const auto outcome = Invoke({"/proc/self/mem"});
  EXPECT_EQ(outcome.code, 1);
  EXPECT_TRUE(Holds(outcome.err, "/proc/self/mem: Kann nicht gelesen werden (Fehler 5).\n"))
      << outcome.err;
}

TEST(UnreadableFileTest, AFileWithoutReadPermissionIsNamedSo) {
  TempDirectory directory{TempDirectory::Use::kAsCurrent};
  PutFileBytes("gesperrt.txt", "x;");
  ::chmod("gesperrt.txt", 0);
  std::string name = "gesperrt.txt";
  // Root reads every file; a write-only attribute of sysfs refuses even root.
  if (std::FILE* file = std::fopen(name.c_str(), "rb")) {
    std::fclose(file);
    name = "/sys/bus/pci/rescan";
    errno = 0;
    std::FILE* refused = std::fopen(name.c_str(), "rb");
    if (refused != nullptr) std::fclose(refused);
    if (errno != EACCES) GTEST_SKIP() << "no file here that refuses reading";
  }
  const auto outcome = Invoke({name});
  EXPECT_EQ(outcome.code, 1);
  EXPECT_TRUE(Holds(outcome.err, name + ": Zugriff verweigert.\n")) << outcome.err;
}

TEST(UnreadableFileTest, AnEndlessLineStopsTheFileAtABoundInsteadOfFillingTheMemory) {
  const Collection collection = ReadCollection({"/dev/zero"});
  ASSERT_EQ(collection.errors.size(), 1u);
  EXPECT_NE(collection.errors[0].reason.find("länger als jeder Datensatz"), std::string::npos)
      << collection.errors[0].reason;
}

}  // namespace
}  // namespace zaveredo::auswertung
