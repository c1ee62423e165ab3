// A fixed table of signed 16-bit entries that never reads or writes outside
// itself: an entry beyond the end reads 0 and takes no writes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tablerun {

template <std::size_t Size>
class TInt16Table {
 public:
  static constexpr int kSize = static_cast<int>(Size);

  int16_t Get(int index) const { return Holds(index) ? entries_[static_cast<std::size_t>(index)] : 0; }
  void Set(int index, int16_t value) {
    if (Holds(index)) entries_[static_cast<std::size_t>(index)] = value;
  }

 private:
  static bool Holds(int index) { return index >= 0 && index < kSize; }

  std::array<int16_t, Size> entries_{};
};

}  // namespace tablerun
