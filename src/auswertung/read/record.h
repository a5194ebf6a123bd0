// One record of a results file as the report sees it: the machine description, the times it
// holds, and what reading it found.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "auswertung/model/phases.h"
#include "auswertung/read/machine_description.h"

namespace zaveredo::auswertung {

enum class RecordState {
  kComplete,    // all 38 fields; takes part in the comparisons
  kIncomplete,  // cut short; listed with the phases it has
  kUnreadable,  // looks like ours but its fields cannot be placed; `reason` says why
  kForeign,     // not a record of the benchmark at all
};

// The times of a record's phases, in phase order; 32 when complete. Kept as the exact whole
// numbers of 1/10,000 s the file holds, in place and in 32 bits (up to 429,496.7295 s), as a
// million records must fit in memory; a record with a longer time keeps its times aside.
class RecordTimes {
 public:
  RecordTimes() = default;
  // A copy has wide times of its own.
  RecordTimes(const RecordTimes& other);
  RecordTimes& operator=(const RecordTimes& other);
  RecordTimes(RecordTimes&&) noexcept = default;
  RecordTimes& operator=(RecordTimes&&) noexcept = default;

  std::size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  // Seconds of the phase.
  double operator[](std::size_t phase) const { return static_cast<double>(Ticks(phase)) / 10000.0; }
  long long Ticks(std::size_t phase) const {
    return wide_ ? (*wide_)[phase] : static_cast<long long>(narrow_[phase]);
  }
  // A 33rd time has no phase and is not kept.
  void push_back(long long tenThousandths);
  bool operator==(const RecordTimes& other) const;

 private:
  using Wide = std::array<long long, kPhaseCount>;
  std::array<std::uint32_t, kPhaseCount> narrow_{};
  std::unique_ptr<Wide> wide_;  // once a time does not fit in 32 bits
  std::uint8_t count_ = 0;
};

// Shared by the records that carry the same text: a file's name, and the description of the
// runs of one machine, are kept once however many records refer to them.
std::shared_ptr<const std::string> NoFile();
std::shared_ptr<const MachineDescription> NoDescription();

// Fields ordered so that a record takes no padding: a million of them are held at once.
struct Record {
  int number = 0;  // 1-based over all files, in reading order
  RecordState state = RecordState::kForeign;
  std::shared_ptr<const std::string> file = NoFile();  // as named on the command line
  std::string reason;                                  // why it is unreadable or foreign
  std::vector<std::string> notes;                      // what was recovered while reading it
  // Never null; empty for a foreign record.
  std::shared_ptr<const MachineDescription> description = NoDescription();
  RecordTimes times;
};

}  // namespace zaveredo::auswertung
