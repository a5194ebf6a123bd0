#include "auswertung/read/record.h"

#include <limits>

namespace zaveredo::auswertung {

RecordTimes::RecordTimes(const RecordTimes& other)
    : narrow_(other.narrow_),
      wide_(other.wide_ ? std::make_unique<Wide>(*other.wide_) : nullptr),
      count_(other.count_) {}

RecordTimes& RecordTimes::operator=(const RecordTimes& other) {
  if (this != &other) *this = RecordTimes(other);
  return *this;
}

void RecordTimes::push_back(long long tenThousandths) {
  if (count_ == kPhaseCount) return;
  const bool fits =
      tenThousandths >= 0 && tenThousandths <= std::numeric_limits<std::uint32_t>::max();
  if (!wide_ && !fits) {
    wide_ = std::make_unique<Wide>();
    for (std::size_t phase = 0; phase < count_; ++phase) (*wide_)[phase] = narrow_[phase];
  }
  if (wide_) {
    (*wide_)[count_] = tenThousandths;
  } else {
    narrow_[count_] = static_cast<std::uint32_t>(tenThousandths);
  }
  ++count_;
}

bool RecordTimes::operator==(const RecordTimes& other) const {
  if (count_ != other.count_) return false;
  for (std::size_t phase = 0; phase < count_; ++phase) {
    if (Ticks(phase) != other.Ticks(phase)) return false;
  }
  return true;
}

std::shared_ptr<const std::string> NoFile() {
  static const auto none = std::make_shared<const std::string>();
  return none;
}

std::shared_ptr<const MachineDescription> NoDescription() {
  static const auto none = std::make_shared<const MachineDescription>();
  return none;
}

}  // namespace zaveredo::auswertung
