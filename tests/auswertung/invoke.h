// The program as a user runs it: arguments in, report and messages out, with records built
// inline.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "auswertung/program.h"

namespace zaveredo::auswertung::test_support {

struct Outcome {
  int code;
  std::string out;
  std::string err;
};

inline Outcome Invoke(std::vector<std::string> args) {
  args.insert(args.begin(), "zaveredo2-auswertung");
  std::vector<const char*> argv;
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  std::ostringstream out, err;
  const int code = RunAuswertung(static_cast<int>(argv.size()), argv.data(), out, err);
  return {code, out.str(), err.str()};
}

inline bool Holds(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// A complete record: the description as given, then 32 times from `times` in order, each
// written with four decimals and the given decimal separator.
inline std::string MakeRecord(const std::string& description, const std::vector<double>& times,
                              char decimal = ',') {
  std::string text = description;
  for (int phase = 0; phase < 32; ++phase) {
    const auto tenThousandths =
        static_cast<long long>(times[static_cast<std::size_t>(phase) % times.size()] * 10000 + 0.5);
    std::string digits = std::to_string(tenThousandths);
    if (digits.size() < 5) digits.insert(0, 5 - digits.size(), '0');
    digits.insert(digits.size() - 4, 1, decimal);
    text += digits + ";";
  }
  return text;
}

}  // namespace zaveredo::auswertung::test_support
