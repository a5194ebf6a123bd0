#include "auswertung/read/record_store.h"

#include <utility>

namespace zaveredo::auswertung {

RecordStore::RecordStore(std::initializer_list<Record> records) {
  for (const Record& record : records) emplace_back() = record;
}

RecordStore::RecordStore(const RecordStore& other) {
  for (const Record& record : other) emplace_back() = record;
}

RecordStore& RecordStore::operator=(const RecordStore& other) {
  if (this != &other) *this = RecordStore(other);
  return *this;
}

RecordStore::RecordStore(RecordStore&& other) noexcept
    : blocks_(std::move(other.blocks_)), size_(std::exchange(other.size_, 0)) {
  other.blocks_.clear();
}

RecordStore& RecordStore::operator=(RecordStore&& other) noexcept {
  if (this != &other) {
    blocks_ = std::move(other.blocks_);
    size_ = std::exchange(other.size_, 0);
    other.blocks_.clear();
  }
  return *this;
}

Record& RecordStore::emplace_back() {
  if (size_ == blocks_.size() * kBlockSize) {
    blocks_.emplace_back().reserve(kBlockSize);
  }
  ++size_;
  return blocks_.back().emplace_back();
}

void RecordStore::erase_from(std::size_t index) {
  while (size_ > index) {
    std::vector<Record>& last = blocks_.back();
    const std::size_t inLast = size_ - (blocks_.size() - 1) * kBlockSize;
    const std::size_t keep = index > size_ - inLast ? index - (size_ - inLast) : 0;
    last.erase(last.begin() + static_cast<std::ptrdiff_t>(keep), last.end());
    size_ -= inLast - keep;
    if (last.empty()) blocks_.pop_back();
  }
}

}  // namespace zaveredo::auswertung
