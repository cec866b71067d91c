#pragma once
// Finding the first section of a name among many without a walk over all of them: an open
// hash table of section numbers, keyed by the upper-cased names.

#include <cstdint>
#include <string_view>
#include <vector>

namespace zix {

class SectionIndex {
 public:
  static constexpr uint32_t kNone = UINT32_MAX;

  // names[i] is the upper-cased name of section i; the views must outlive the index. Only the
  // first section of each name is kept: later ones are never found.
  explicit SectionIndex(std::vector<std::u16string_view> names);

  // The number of the first section whose upper-cased name equals upperName, or kNone.
  uint32_t Find(std::u16string_view upperName) const;

 private:
  struct Slot {
    uint32_t section = kNone;
    uint32_t hash = 0;
  };

  size_t SlotOf(uint32_t hash) const { return hash & (slots_.size() - 1); }

  std::vector<std::u16string_view> names_;
  std::vector<Slot> slots_;  // a power of two, never more than half full
};

}  // namespace zix
