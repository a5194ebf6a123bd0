// The records of a collection in blocks of thousands: a million records take a few hundred
// allocations instead of one per two records, and none is moved or copied as the store grows,
// so a reference to a record stays valid until the record is erased.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <vector>

#include "auswertung/read/record.h"

namespace zaveredo::auswertung {

class RecordStore {
 public:
  // 2,048 records of a few hundred bytes: a block is about half a megabyte.
  static constexpr std::size_t kBlockShift = 11;
  static constexpr std::size_t kBlockSize = std::size_t{1} << kBlockShift;

  template <typename Store, typename Value>
  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = Record;
    using difference_type = std::ptrdiff_t;
    using pointer = Value*;
    using reference = Value&;

    Iterator() = default;
    Iterator(Store* store, std::size_t index) : store_(store), index_(index) {}
    reference operator*() const { return (*store_)[index_]; }
    pointer operator->() const { return &(*store_)[index_]; }
    Iterator& operator++() {
      ++index_;
      return *this;
    }
    Iterator operator++(int) {
      Iterator before = *this;
      ++index_;
      return before;
    }
    bool operator==(const Iterator& other) const { return index_ == other.index_; }

   private:
    Store* store_ = nullptr;
    std::size_t index_ = 0;
  };
  using iterator = Iterator<RecordStore, Record>;
  using const_iterator = Iterator<const RecordStore, const Record>;

  RecordStore() = default;
  RecordStore(std::initializer_list<Record> records);
  // A copy fills blocks of its own, which must not be reallocated as it grows.
  RecordStore(const RecordStore& other);
  RecordStore& operator=(const RecordStore& other);
  // Moves the blocks; the store moved from is left empty.
  RecordStore(RecordStore&& other) noexcept;
  RecordStore& operator=(RecordStore&& other) noexcept;

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  Record& operator[](std::size_t index) {
    return blocks_[index >> kBlockShift][index & (kBlockSize - 1)];
  }
  const Record& operator[](std::size_t index) const {
    return blocks_[index >> kBlockShift][index & (kBlockSize - 1)];
  }
  Record& front() { return (*this)[0]; }
  const Record& front() const { return (*this)[0]; }
  Record& back() { return (*this)[size_ - 1]; }
  const Record& back() const { return (*this)[size_ - 1]; }

  Record& emplace_back();
  void push_back(Record record) { emplace_back() = std::move(record); }
  // Erases the records from `index` on.
  void erase_from(std::size_t index);

  iterator begin() { return {this, 0}; }
  iterator end() { return {this, size_}; }
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, size_}; }

 private:
  // Each block is reserved whole when it is started and never grows past it.
  std::vector<std::vector<Record>> blocks_;
  std::size_t size_ = 0;
};

using Records = RecordStore;

}  // namespace zaveredo::auswertung
