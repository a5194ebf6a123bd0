// The small fixed set of records in tests/auswertung/data, and files next to the tests.
#pragma once

#include <string>

#include "auswertung/model/collection.h"
#include "tests/support/file_bytes.h"

namespace zaveredo::auswertung::test_support {

inline std::string TestPath(const std::string& relative) {
  return std::string(ZAV_AUSWERTUNG_TESTS) + "/" + relative;
}

using zaveredo::test_support::FileBytes;

// The three files of the fixed set, named without their folder so that outputs do not depend
// on where the tree lies.
inline Collection FixtureCollection() {
  Collection collection;
  for (const char* name : {"buero.txt", "labor.txt", "werkstatt-cp1252.txt"}) {
    AddFileRecords(collection, name, FileBytes(TestPath(std::string("data/") + name)));
  }
  PlaceAmbiguousRecords(collection);
  return collection;
}

}  // namespace zaveredo::auswertung::test_support
