// Seconds as locale-free text for machines to read, written fast: a large collection holds
// millions of them.
#pragma once

#include <string>

namespace zaveredo::auswertung {

enum class Decimals {
  kFour,      // 2.7140, as the record holds it
  kShortest,  // 2.714, and 1.0 for a whole number
};

void AppendSeconds(std::string& out, double seconds, Decimals decimals);

void AppendWholeNumber(std::string& out, long long number);

}  // namespace zaveredo::auswertung
