// A file's records read as its bytes arrive: the same records, notes and errors whatever
// pieces the bytes come in, a line, a CR LF or a byte 26 cut between two of them.
#include "auswertung/model/file_records.h"

#include <gtest/gtest.h>

#include "tests/auswertung/fixture.h"

namespace zaveredo::auswertung {
namespace {

using test_support::FileBytes;
using test_support::TestPath;

Collection InPieces(const std::string& bytes, std::size_t piece) {
  Collection collection;
  FileRecords records(collection, "f.txt");
  for (std::size_t at = 0; at < bytes.size(); at += piece) {
    records.Add(std::string_view(bytes).substr(at, piece));
  }
  records.Finish();
  PlaceAmbiguousRecords(collection);
  return collection;
}

void ExpectSame(const Collection& a, const Collection& b, std::size_t piece) {
  ASSERT_EQ(a.records.size(), b.records.size()) << piece;
  ASSERT_EQ(a.errors.size(), b.errors.size()) << piece;
  for (std::size_t i = 0; i < a.records.size(); ++i) {
    const Record& x = a.records[i];
    const Record& y = b.records[i];
    EXPECT_EQ(x.number, y.number);
    EXPECT_EQ(x.state, y.state) << piece << " " << i;
    EXPECT_EQ(x.reason, y.reason);
    EXPECT_EQ(x.notes, y.notes) << piece << " " << i;
    EXPECT_EQ(*x.description, *y.description) << piece << " " << i;
    EXPECT_EQ(x.times, y.times) << piece << " " << i;
  }
}

TEST(FileRecordsTest, PiecesOfAnySizeGiveTheRecordsOfTheWholeFile) {
  const std::string line =
      "GenuineIntel;P4/x86;2993;2;Windows XP;AB;" +
      std::string(
          "0,0001;0,0002;0,0003;0,0004;0,0005;0,0006;0,0007;0,0008;0,0009;0,0010;0,0011;0,0012;"
          "0,0013;0,0014;0,0015;0,0016;0,0017;0,0018;0,0019;0,0020;0,0021;0,0022;0,0023;0,0024;"
          "0,0025;0,0026;0,0027;0,0028;0,0029;0,0030;0,0031;0,0032;");
  const std::string ambiguous =
      "GenuineIntel;P4/x86;2993;2;Windows XP;A;B;" + line.substr(line.find("0,0001"));
  std::vector<std::string> files = {
      FileBytes(TestPath("data/buero.txt")), FileBytes(TestPath("data/werkstatt-cp1252.txt")),
      FileBytes(TestPath("data/real/linux-de-utf8.txt")),
      // Glued, cut, behind a byte 26 (kept, then dropped as foreign), ambiguous behind a 26.
      line + "\r\n" + line + line.substr(0, 80) + "\r\n\x1A\r\n" + ambiguous + "\r\n" + line +
          "\x1A" + "Name;Ort;\r\n\x1A" + line,
      "Name;Ort;\r\nnichts\r\n",  // no record of ours: an error
      ""};
  for (const std::string& bytes : files) {
    const Collection whole = InPieces(bytes, bytes.size() + 1);
    for (std::size_t piece : {1, 2, 7, 64}) ExpectSame(whole, InPieces(bytes, piece), piece);
  }
  const Collection mixed = InPieces(files[3], 5);
  ASSERT_EQ(mixed.records.size(), 6u);
  EXPECT_EQ(mixed.records[3].state, RecordState::kComplete);  // chosen by the first machine
  EXPECT_EQ(mixed.records[3].description->initials, "A;B");
  EXPECT_EQ(mixed.records[3].notes.back().substr(0, 29), "Steht hinter einem Byte 26 (S");
  EXPECT_EQ(mixed.records[5].number, 6);
  EXPECT_EQ(InPieces(files[4], 3).errors.size(), 1u);
  EXPECT_EQ(InPieces("", 3).errors.at(0).reason, "Die Datei ist leer.");
}

}  // namespace
}  // namespace zaveredo::auswertung
