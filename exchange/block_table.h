#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

namespace morven::exchange {

// A growable table that takes its storage in blocks of 1000 zero-initialised records and never
// moves a stored record: appending the millionth record costs no more than the first.
template <typename Record>
class BlockTable {
 public:
  static constexpr std::size_t kBlockSize = 1000;

  BlockTable() = default;
  BlockTable(BlockTable&& other) noexcept { *this = std::move(other); }
  BlockTable& operator=(BlockTable&& other) noexcept {
    if (this != &other) {
      blocks_ = std::move(other.blocks_);
      count_ = other.count_;
      tail_ = other.tail_;
      tailLeft_ = other.tailLeft_;
      other.blocks_.clear();
      other.count_ = 0;
      other.tail_ = nullptr;
      other.tailLeft_ = 0;
    }
    return *this;
  }

  std::size_t size() const noexcept { return count_; }
  bool empty() const noexcept { return count_ == 0; }
  // Always the next multiple of 1000 at or above the count.
  std::size_t capacity() const noexcept { return blocks_.size() * kBlockSize; }

  // Appends a value-initialised record and returns it.
  Record& Append() {
    if (tailLeft_ == 0) {
      blocks_.push_back(std::make_unique<Record[]>(kBlockSize));
      tail_ = blocks_.back().get();
      tailLeft_ = kBlockSize;
    }
    --tailLeft_;
    ++count_;
    return *tail_++;
  }
  Record& Append(const Record& record) { return Append() = record; }

  Record& operator[](std::size_t i) noexcept { return blocks_[i / kBlockSize][i % kBlockSize]; }
  const Record& operator[](std::size_t i) const noexcept {
    return blocks_[i / kBlockSize][i % kBlockSize];
  }
  const Record& back() const noexcept { return (*this)[count_ - 1]; }

  // Drops the records from `count` on: lets a caller undo a run of appends that failed
  // part-way. Blocks past the last kept record are given back, so that the next append lands
  // right after it and the capacity stays the next multiple of 1000.
  void Truncate(std::size_t count) noexcept {
    if (count >= count_) return;
    const std::size_t keptBlocks = (count + kBlockSize - 1) / kBlockSize;
    const std::size_t keptEnd = std::min(count_, keptBlocks * kBlockSize);
    for (std::size_t i = count; i < keptEnd; ++i) (*this)[i] = Record{};
    blocks_.resize(keptBlocks);
    count_ = count;
    const std::size_t used = count % kBlockSize;
    tail_ = used == 0 ? nullptr : blocks_.back().get() + used;
    tailLeft_ = used == 0 ? 0 : kBlockSize - used;
  }

  // Gives the storage back; the table is empty afterwards.
  void Release() noexcept {
    blocks_.clear();
    blocks_.shrink_to_fit();
    count_ = 0;
    tail_ = nullptr;
    tailLeft_ = 0;
  }

 private:
  std::vector<std::unique_ptr<Record[]>> blocks_;
  std::size_t count_ = 0;
  Record* tail_ = nullptr;  // the next free record of the last block
  std::size_t tailLeft_ = 0;
};

}  // namespace morven::exchange
